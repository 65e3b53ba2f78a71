// Drawing one line of text into a box as the host's text drawing does:
// the flags place it (0x01 centred across, 0x02 right, else left; 0x04
// centred down a single line, 0x08 bottom, else top) and the box clips it.
//
// The font's size comes from the box, since a text element names no size:
// the line is as tall as the box, made smaller where the element's number
// of characters (as "0"s) would not fit across.
#pragma once

#include <string>
#include <vector>

#include "tools/bench/fonts.h"
#include "tools/bench/rgb_image.h"

namespace bench {

struct TextBox {
    int x = 0, y = 0, width = 0, height = 0;  // in pixels of the picture
};

// colours[i] is the colour of character i (the text's length). A null
// font draws with the built-in 5 by 7 font.
void draw_text(RgbImage& image, const TextBox& box, const std::string& text, const std::vector<Rgb>& colours,
               unsigned char_count, FLAGS32 flags, const TrueTypeFont* font);

}  // namespace bench
