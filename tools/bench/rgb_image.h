// An RGB picture the bench draws gauges into: 8 bits a channel, top row
// first, no alpha (a gauge is opaque where its background is).
#pragma once

#include <cstdint>
#include <vector>

#include "emulator/host_emulator.h"

namespace bench {

struct Rgb {
    std::uint8_t r = 0, g = 0, b = 0;
    bool operator==(const Rgb&) const = default;
};

// 0x00BBGGRR, as a Windows COLORREF, and 0x00RRGGBB, as a bitmap palette.
Rgb from_colorref(COLOR32 c);
Rgb from_palette(std::uint32_t c);

class RgbImage {
public:
    RgbImage(int width, int height);

    int width() const { return width_; }
    int height() const { return height_; }
    Rgb at(int x, int y) const;
    void set(int x, int y, Rgb c);  // ignores points outside
    // Mixes c over the pixel by coverage 0 (none) to 255 (all).
    void blend(int x, int y, Rgb c, int coverage);
    void fill(int x, int y, int w, int h, Rgb c);
    // Draws a bitmap with its top left at (x, y), each pixel as a scale by
    // scale block. With transparent_black, palette colour 0x000000 is
    // not drawn, as image flag bit 0 asks.
    void draw(const emu::Bitmap& bitmap, int x, int y, int scale, bool transparent_black);

    const std::vector<std::uint8_t>& bytes() const { return bytes_; }  // r, g, b, r, g, b, ...

private:
    int width_;
    int height_;
    std::vector<std::uint8_t> bytes_;
};

}  // namespace bench
