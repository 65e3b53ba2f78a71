// Reading a device-independent bitmap as a bitmap resource stores it: an
// information header, the palette, then the rows, bottom row first unless
// the height is negative, each padded to a multiple of 4 bytes.
#include <cstring>

#include "emulator/module_file.h"

namespace emu::detail {

namespace {

std::uint32_t le32(const std::uint8_t* p) {
    return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
           static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}

std::uint16_t le16(const std::uint8_t* p) { return static_cast<std::uint16_t>(p[0] | p[1] << 8); }

}  // namespace

Bitmap parse_dib(const std::uint8_t* data, std::size_t size, ID32 id, std::uint16_t language,
                 const std::string& what) {
    auto fail = [&](const std::string& why) -> Error {
        return Error(what + ": bitmap " + std::to_string(id) + " " + why);
    };
    if (size < 40) throw fail("is too short for a bitmap header");
    const std::uint32_t header_bytes = le32(data);
    if (header_bytes < 40 || header_bytes > size) throw fail("has no valid bitmap header");
    Bitmap b;
    b.id = id;
    b.language = language;
    const auto width = static_cast<std::int32_t>(le32(data + 4));
    const auto height = static_cast<std::int32_t>(le32(data + 8));
    b.bits_per_pixel = le16(data + 14);
    b.compression = le32(data + 16);
    const std::uint32_t colours_used = le32(data + 32);
    if (width <= 0 || height == 0 || width > 8192 || height > 8192 || height < -8192)
        throw fail("has an impossible size");
    if (b.bits_per_pixel != 8 || b.compression != 0)
        throw fail("is not an uncompressed 8-bit bitmap");
    if (colours_used > 256) throw fail("has more than 256 palette entries");
    b.width = width;
    b.height = height < 0 ? -height : height;
    b.palette_entries = colours_used == 0 ? 256 : static_cast<int>(colours_used);

    const std::size_t palette_at = header_bytes;
    const std::size_t pixels_at = palette_at + 4 * static_cast<std::size_t>(b.palette_entries);
    const std::size_t row_bytes = (static_cast<std::size_t>(b.width) + 3) & ~static_cast<std::size_t>(3);
    if (pixels_at + row_bytes * static_cast<std::size_t>(b.height) > size) throw fail("is cut short");

    b.palette.assign(256, 0);
    for (int i = 0; i < b.palette_entries; ++i) {
        const std::uint8_t* q = data + palette_at + 4 * static_cast<std::size_t>(i);
        b.palette[static_cast<std::size_t>(i)] =
            static_cast<std::uint32_t>(q[2]) << 16 | static_cast<std::uint32_t>(q[1]) << 8 | q[0];
    }
    b.pixels.resize(static_cast<std::size_t>(b.width) * static_cast<std::size_t>(b.height));
    for (int y = 0; y < b.height; ++y) {
        const int stored_row = height > 0 ? b.height - 1 - y : y;
        std::memcpy(&b.pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(b.width)],
                    data + pixels_at + row_bytes * static_cast<std::size_t>(stored_row),
                    static_cast<std::size_t>(b.width));
    }
    return b;
}

}  // namespace emu::detail
