// A small 8-bit palette canvas for drawing the modules' bitmaps, and the
// writer that stores one as an uncompressed Windows bitmap file (BMP,
// 8 bits per pixel, 256-entry palette). The generators that draw each
// module's artwork use it; the output is the same bytes on every run.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace bitmaps {

struct Canvas {
    Canvas(int w, int h);

    int width;
    int height;
    std::vector<std::uint8_t> pixels;           // palette indices, top row first
    std::array<std::uint32_t, 256> palette{};   // 0x00RRGGBB; index 0 is black

    void set(int x, int y, std::uint8_t index);  // ignores points outside
    std::uint8_t at(int x, int y) const;
    void fill(std::uint8_t index);
    void rect(int x, int y, int w, int h, std::uint8_t index);
    void frame(int x, int y, int w, int h, std::uint8_t index);  // one-pixel outline
    void disc(int cx, int cy, int r, std::uint8_t index);
    void circle(int cx, int cy, int r, std::uint8_t index);      // one-pixel ring
    // Text in a 5 by 7 pixel font (capitals, digits, . : - / and space),
    // each font pixel drawn as scale by scale pixels, one column between
    // letters. Returns the width drawn.
    int text(int x, int y, const std::string& s, std::uint8_t index, int scale = 1);
    static int text_width(const std::string& s, int scale = 1);
};

// Writes the canvas as a BMP file; false when the file cannot be written.
bool write_bmp(const Canvas& canvas, const std::string& path);

}  // namespace bitmaps
