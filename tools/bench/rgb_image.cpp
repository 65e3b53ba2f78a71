#include "tools/bench/rgb_image.h"

#include <algorithm>

namespace bench {

Rgb from_colorref(COLOR32 c) {
    return Rgb{static_cast<std::uint8_t>(c & 0xFF), static_cast<std::uint8_t>(c >> 8 & 0xFF),
               static_cast<std::uint8_t>(c >> 16 & 0xFF)};
}

Rgb from_palette(std::uint32_t c) {
    return Rgb{static_cast<std::uint8_t>(c >> 16 & 0xFF), static_cast<std::uint8_t>(c >> 8 & 0xFF),
               static_cast<std::uint8_t>(c & 0xFF)};
}

RgbImage::RgbImage(int width, int height)
    : width_(width < 0 ? 0 : width),
      height_(height < 0 ? 0 : height),
      bytes_(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_) * 3, 0) {}

Rgb RgbImage::at(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return {};
    const std::size_t i = (static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) + static_cast<std::size_t>(x)) * 3;
    return Rgb{bytes_[i], bytes_[i + 1], bytes_[i + 2]};
}

void RgbImage::set(int x, int y, Rgb c) {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
    const std::size_t i = (static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) + static_cast<std::size_t>(x)) * 3;
    bytes_[i] = c.r;
    bytes_[i + 1] = c.g;
    bytes_[i + 2] = c.b;
}

void RgbImage::blend(int x, int y, Rgb c, int coverage) {
    if (coverage <= 0) return;
    if (coverage >= 255) return set(x, y, c);
    const Rgb under = at(x, y);
    auto mix = [coverage](std::uint8_t over, std::uint8_t below) {
        return static_cast<std::uint8_t>((over * coverage + below * (255 - coverage) + 127) / 255);
    };
    set(x, y, Rgb{mix(c.r, under.r), mix(c.g, under.g), mix(c.b, under.b)});
}

// The rectangle clipped to the picture, row by row: a live panel draws
// every gauge every frame, so no per-pixel bounds checks or calls.
void RgbImage::fill(int x, int y, int w, int h, Rgb c) {
    const long long left = std::max<long long>(x, 0), right = std::min<long long>(static_cast<long long>(x) + w, width_);
    const long long top = std::max<long long>(y, 0), bottom = std::min<long long>(static_cast<long long>(y) + h, height_);
    for (long long row = top; row < bottom; ++row) {
        std::uint8_t* p = bytes_.data() + (static_cast<std::size_t>(row) * static_cast<std::size_t>(width_) +
                                           static_cast<std::size_t>(left)) * 3;
        for (long long col = left; col < right; ++col, p += 3) {
            p[0] = c.r;
            p[1] = c.g;
            p[2] = c.b;
        }
    }
}

void RgbImage::draw(const emu::Bitmap& bitmap, int x, int y, int scale, bool transparent_black) {
    // Each palette index's colour once, and whether it is drawn at all.
    Rgb colours[256];
    bool drawn[256];
    for (int i = 0; i < 256; ++i) {
        const std::uint32_t colour = static_cast<std::size_t>(i) < bitmap.palette.size() ? bitmap.palette[static_cast<std::size_t>(i)] & 0xFFFFFF : 0;
        colours[i] = from_palette(colour);
        drawn[i] = !(transparent_black && colour == 0);
    }
    for (int row = 0; row < bitmap.height; ++row) {
        const std::uint8_t* line = bitmap.pixels.data() + static_cast<std::size_t>(row) * static_cast<std::size_t>(bitmap.width);
        for (int col = 0; col < bitmap.width; ++col) {
            const std::uint8_t index = line[col];
            if (drawn[index]) fill(x + col * scale, y + row * scale, scale, scale, colours[index]);
        }
    }
}

}  // namespace bench
