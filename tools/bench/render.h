// Drawing a live gauge as the host draws it after its last frame: every
// element in tree order (the root first, children over their parent),
// except those the last draw found hidden (image flag 0x40000000).
//  - static images, sliders and icons show their bitmap at the place the
//    host put them (a slider at its position plus value times scale, an
//    icon's current frame); image flag bit 0 makes black transparent;
//  - text elements fill their box with their background colour and draw
//    their text with their font, colours and drawing flags; while the
//    host's radio selection equals a highlight record's id, that record's
//    characters are drawn in the highlight colour.
#pragma once

#include "emulator/host_emulator.h"
#include "tools/bench/fonts.h"
#include "tools/bench/rgb_image.h"

namespace bench {

// The picture is the background's size times scale (scale 1 and up):
// bitmaps are enlarged pixel by pixel, text is drawn at the larger size.
RgbImage render(const emu::Host& host, const emu::Gauge& gauge, int scale, FontBook& fonts);

// The characters of a text that a highlight record colours at the host's
// current selection: one flag a character.
std::vector<bool> highlighted(const ELEMENT_STRING& element, SINT32 selection, std::size_t length);

}  // namespace bench
