#include "tools/bench/text_drawing.h"

#include <algorithm>
#include <cctype>
#include <cmath>

#include "tools/bitmaps/canvas.h"

namespace bench {

namespace {

constexpr FLAGS32 text_centre = 0x01;
constexpr FLAGS32 text_right = 0x02;
constexpr FLAGS32 text_vcentre = 0x04;
constexpr FLAGS32 text_bottom = 0x08;

bool inside(const TextBox& box, int x, int y) {
    return x >= box.x && y >= box.y && x < box.x + box.width && y < box.y + box.height;
}

// Where a line of a given size starts within the box.
int start_x(const TextBox& box, float width, FLAGS32 flags) {
    if (flags & text_centre) return box.x + static_cast<int>(std::lround((static_cast<float>(box.width) - width) / 2));
    if (flags & text_right) return box.x + box.width - static_cast<int>(std::ceil(width));
    return box.x;
}

int start_y(const TextBox& box, float height, FLAGS32 flags) {
    if (flags & text_vcentre) return box.y + static_cast<int>(std::lround((static_cast<float>(box.height) - height) / 2));
    if (flags & text_bottom) return box.y + box.height - static_cast<int>(std::ceil(height));
    return box.y;
}

void draw_truetype(RgbImage& image, const TextBox& box, const std::string& text, const std::vector<Rgb>& colours,
                   unsigned char_count, FLAGS32 flags, const TrueTypeFont& font) {
    float scale = font.scale_for_line(static_cast<float>(box.height));
    const float cell = static_cast<float>(font.advance('0'));
    const float needed = static_cast<float>(std::max(1u, char_count)) * cell * scale;
    if (needed > static_cast<float>(box.width) && needed > 0) scale *= static_cast<float>(box.width) / needed;

    float width = 0;
    for (unsigned char c : text) width += static_cast<float>(font.advance(c)) * scale;
    const float line = static_cast<float>(font.ascent() - font.descent()) * scale;
    float pen = static_cast<float>(start_x(box, width, flags));
    const int baseline = start_y(box, line, flags) + static_cast<int>(std::lround(static_cast<float>(font.ascent()) * scale));

    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        const int whole = static_cast<int>(std::floor(pen));
        const TrueTypeFont::Glyph& g = font.glyph(c, scale, pen - static_cast<float>(whole));
        for (int row = 0; row < g.height; ++row) {
            for (int col = 0; col < g.width; ++col) {
                const int x = whole + g.x0 + col;
                const int y = baseline + g.y0 + row;
                if (!inside(box, x, y)) continue;
                image.blend(x, y, colours[i], g.coverage[static_cast<std::size_t>(row * g.width + col)]);
            }
        }
        pen += static_cast<float>(font.advance(c)) * scale;
    }
}

// The bitmap generators' 5 by 7 font (capitals, digits, . : - /), each
// font pixel a square of the largest size that fits the box.
void draw_builtin(RgbImage& image, const TextBox& box, const std::string& text, const std::vector<Rgb>& colours,
                  unsigned char_count, FLAGS32 flags) {
    std::string upper = text;
    for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    const int cells = static_cast<int>(std::max<std::size_t>(std::max(1u, char_count), upper.size()));
    const int k = std::max(1, std::min(box.height / 8, box.width / (6 * cells)));
    const int width = bitmaps::Canvas::text_width(upper, k);
    if (width <= 0) return;
    bitmaps::Canvas mask(width, 7 * k);
    mask.text(0, 0, upper, 1, k);
    const int x0 = start_x(box, static_cast<float>(width), flags);
    const int y0 = start_y(box, static_cast<float>(7 * k), flags);
    for (int row = 0; row < mask.height; ++row)
        for (int col = 0; col < mask.width; ++col)
            if (mask.at(col, row) != 0 && inside(box, x0 + col, y0 + row))
                image.set(x0 + col, y0 + row, colours[static_cast<std::size_t>(col / (6 * k))]);
}

}  // namespace

void draw_text(RgbImage& image, const TextBox& box, const std::string& text, const std::vector<Rgb>& colours,
               unsigned char_count, FLAGS32 flags, const TrueTypeFont* font) {
    if (box.width <= 0 || box.height <= 0 || text.empty() || colours.size() < text.size()) return;
    if (font != nullptr)
        draw_truetype(image, box, text, colours, char_count, flags, *font);
    else
        draw_builtin(image, box, text, colours, char_count, flags);
}

}  // namespace bench
