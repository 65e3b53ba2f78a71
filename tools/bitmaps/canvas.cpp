#include "tools/bitmaps/canvas.h"

#include <cstdio>
#include <cstring>

namespace bitmaps {

namespace {

// 5 by 7 glyphs, one byte a row, bit 4 the leftmost column.
struct glyph {
    char c;
    std::uint8_t rows[7];
};

constexpr glyph font[] = {
    {'A', {0x0E, 0x11, 0x11, 0x1F, 0x11, 0x11, 0x11}}, {'B', {0x1E, 0x11, 0x11, 0x1E, 0x11, 0x11, 0x1E}},
    {'C', {0x0E, 0x11, 0x10, 0x10, 0x10, 0x11, 0x0E}}, {'D', {0x1E, 0x11, 0x11, 0x11, 0x11, 0x11, 0x1E}},
    {'E', {0x1F, 0x10, 0x10, 0x1E, 0x10, 0x10, 0x1F}}, {'F', {0x1F, 0x10, 0x10, 0x1E, 0x10, 0x10, 0x10}},
    {'G', {0x0E, 0x11, 0x10, 0x17, 0x11, 0x11, 0x0F}}, {'H', {0x11, 0x11, 0x11, 0x1F, 0x11, 0x11, 0x11}},
    {'I', {0x0E, 0x04, 0x04, 0x04, 0x04, 0x04, 0x0E}}, {'J', {0x07, 0x02, 0x02, 0x02, 0x02, 0x12, 0x0C}},
    {'K', {0x11, 0x12, 0x14, 0x18, 0x14, 0x12, 0x11}}, {'L', {0x10, 0x10, 0x10, 0x10, 0x10, 0x10, 0x1F}},
    {'M', {0x11, 0x1B, 0x15, 0x15, 0x11, 0x11, 0x11}}, {'N', {0x11, 0x11, 0x19, 0x15, 0x13, 0x11, 0x11}},
    {'O', {0x0E, 0x11, 0x11, 0x11, 0x11, 0x11, 0x0E}}, {'P', {0x1E, 0x11, 0x11, 0x1E, 0x10, 0x10, 0x10}},
    {'Q', {0x0E, 0x11, 0x11, 0x11, 0x15, 0x12, 0x0D}}, {'R', {0x1E, 0x11, 0x11, 0x1E, 0x14, 0x12, 0x11}},
    {'S', {0x0F, 0x10, 0x10, 0x0E, 0x01, 0x01, 0x1E}}, {'T', {0x1F, 0x04, 0x04, 0x04, 0x04, 0x04, 0x04}},
    {'U', {0x11, 0x11, 0x11, 0x11, 0x11, 0x11, 0x0E}}, {'V', {0x11, 0x11, 0x11, 0x11, 0x11, 0x0A, 0x04}},
    {'W', {0x11, 0x11, 0x11, 0x15, 0x15, 0x15, 0x0A}}, {'X', {0x11, 0x11, 0x0A, 0x04, 0x0A, 0x11, 0x11}},
    {'Y', {0x11, 0x11, 0x0A, 0x04, 0x04, 0x04, 0x04}}, {'Z', {0x1F, 0x01, 0x02, 0x04, 0x08, 0x10, 0x1F}},
    {'0', {0x0E, 0x11, 0x13, 0x15, 0x19, 0x11, 0x0E}}, {'1', {0x04, 0x0C, 0x04, 0x04, 0x04, 0x04, 0x0E}},
    {'2', {0x0E, 0x11, 0x01, 0x02, 0x04, 0x08, 0x1F}}, {'3', {0x1F, 0x02, 0x04, 0x02, 0x01, 0x11, 0x0E}},
    {'4', {0x02, 0x06, 0x0A, 0x12, 0x1F, 0x02, 0x02}}, {'5', {0x1F, 0x10, 0x1E, 0x01, 0x01, 0x11, 0x0E}},
    {'6', {0x06, 0x08, 0x10, 0x1E, 0x11, 0x11, 0x0E}}, {'7', {0x1F, 0x01, 0x02, 0x04, 0x08, 0x08, 0x08}},
    {'8', {0x0E, 0x11, 0x11, 0x0E, 0x11, 0x11, 0x0E}}, {'9', {0x0E, 0x11, 0x11, 0x0F, 0x01, 0x02, 0x0C}},
    {'.', {0x00, 0x00, 0x00, 0x00, 0x00, 0x0C, 0x0C}}, {':', {0x00, 0x0C, 0x0C, 0x00, 0x0C, 0x0C, 0x00}},
    {'-', {0x00, 0x00, 0x00, 0x1F, 0x00, 0x00, 0x00}}, {'/', {0x01, 0x01, 0x02, 0x04, 0x08, 0x10, 0x10}},
    {' ', {0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00}},
};

const glyph* find_glyph(char c) {
    for (const glyph& g : font)
        if (g.c == c) return &g;
    return nullptr;
}

void put_le(std::vector<std::uint8_t>& out, std::uint32_t v, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}

}  // namespace

Canvas::Canvas(int w, int h)
    : width(w), height(h), pixels(static_cast<std::size_t>(w) * static_cast<std::size_t>(h), 0) {}

void Canvas::set(int x, int y, std::uint8_t index) {
    if (x < 0 || y < 0 || x >= width || y >= height) return;
    pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x)] = index;
}

std::uint8_t Canvas::at(int x, int y) const {
    return pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x)];
}

void Canvas::fill(std::uint8_t index) { std::memset(pixels.data(), index, pixels.size()); }

void Canvas::rect(int x, int y, int w, int h, std::uint8_t index) {
    for (int j = y; j < y + h; ++j)
        for (int i = x; i < x + w; ++i) set(i, j, index);
}

void Canvas::frame(int x, int y, int w, int h, std::uint8_t index) {
    rect(x, y, w, 1, index);
    rect(x, y + h - 1, w, 1, index);
    rect(x, y, 1, h, index);
    rect(x + w - 1, y, 1, h, index);
}

void Canvas::disc(int cx, int cy, int r, std::uint8_t index) {
    for (int j = -r; j <= r; ++j)
        for (int i = -r; i <= r; ++i)
            if (i * i + j * j <= r * r + r / 2) set(cx + i, cy + j, index);
}

void Canvas::circle(int cx, int cy, int r, std::uint8_t index) {
    for (int j = -r; j <= r; ++j)
        for (int i = -r; i <= r; ++i) {
            const int d = i * i + j * j;
            if (d <= r * r + r / 2 && d > (r - 1) * (r - 1) + (r - 1) / 2) set(cx + i, cy + j, index);
        }
}

int Canvas::text(int x, int y, const std::string& s, std::uint8_t index, int scale) {
    int pen = x;
    for (char c : s) {
        if (const glyph* g = find_glyph(c)) {
            for (int row = 0; row < 7; ++row)
                for (int col = 0; col < 5; ++col)
                    if (g->rows[row] & (0x10 >> col)) rect(pen + col * scale, y + row * scale, scale, scale, index);
        }
        pen += 6 * scale;
    }
    return pen - x;
}

int Canvas::text_width(const std::string& s, int scale) {
    return s.empty() ? 0 : static_cast<int>(s.size()) * 6 * scale - scale;
}

bool write_bmp(const Canvas& canvas, const std::string& path) {
    const std::uint32_t row_bytes = (static_cast<std::uint32_t>(canvas.width) + 3u) & ~3u;
    const std::uint32_t image_bytes = row_bytes * static_cast<std::uint32_t>(canvas.height);
    const std::uint32_t offset = 14 + 40 + 256 * 4;
    std::vector<std::uint8_t> out;
    out.reserve(offset + image_bytes);
    out.push_back('B');
    out.push_back('M');
    put_le(out, offset + image_bytes, 4);
    put_le(out, 0, 4);
    put_le(out, offset, 4);
    put_le(out, 40, 4);  // BITMAPINFOHEADER
    put_le(out, static_cast<std::uint32_t>(canvas.width), 4);
    put_le(out, static_cast<std::uint32_t>(canvas.height), 4);  // bottom-up rows
    put_le(out, 1, 2);
    put_le(out, 8, 2);
    put_le(out, 0, 4);  // BI_RGB: no compression
    put_le(out, image_bytes, 4);
    put_le(out, 2835, 4);
    put_le(out, 2835, 4);
    put_le(out, 256, 4);
    put_le(out, 0, 4);
    for (std::uint32_t rgb : canvas.palette) put_le(out, rgb & 0x00FFFFFFu, 4);  // B, G, R, 0
    for (int y = canvas.height - 1; y >= 0; --y) {
        for (int x = 0; x < canvas.width; ++x) out.push_back(canvas.at(x, y));
        for (std::uint32_t pad = static_cast<std::uint32_t>(canvas.width); pad < row_bytes; ++pad) out.push_back(0);
    }
    const std::string temp = path + ".tmp";
    std::FILE* f = std::fopen(temp.c_str(), "wb");
    if (f == nullptr) return false;
    const bool ok = std::fwrite(out.data(), 1, out.size(), f) == out.size();
    if (std::fclose(f) != 0 || !ok) {
        std::remove(temp.c_str());
        return false;
    }
    return std::rename(temp.c_str(), path.c_str()) == 0;
}

}  // namespace bitmaps
