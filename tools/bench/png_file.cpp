#include "tools/bench/png_file.h"

#include <stb_image_write.h>

#include "tools/bench/errors.h"
#include "tools/bench/output_file.h"

namespace bench {

namespace {

void append(void* context, void* data, int size) {
    auto* out = static_cast<std::vector<std::uint8_t>*>(context);
    const auto* bytes = static_cast<const std::uint8_t*>(data);
    out->insert(out->end(), bytes, bytes + size);
}

}  // namespace

std::vector<std::uint8_t> encode_png(const RgbImage& image) {
    std::vector<std::uint8_t> out;
    if (image.width() == 0 || image.height() == 0 ||
        stbi_write_png_to_func(append, &out, image.width(), image.height(), 3, image.bytes().data(), image.width() * 3) == 0)
        throw Error("cannot encode a picture of " + std::to_string(image.width()) + "x" + std::to_string(image.height()) + " as PNG");
    return out;
}

void write_png(const RgbImage& image, const std::string& path) { write_file_atomically(path, encode_png(image)); }

}  // namespace bench
