// Draws the throttle quadrant's bitmaps: the 303 by 371 housing (a dark
// grey body with four lever slots and screw heads, black above and below)
// and the four 45 by 122 levers (handle block, stem, and a dark plate
// labelled 1 to 4). Black, palette index 0, is transparent to the host, so
// the artwork uses near-black for its darkest parts.
#include <cstdint>
#include <cstdio>
#include <string>

#include "tools/bitmaps/canvas.h"

namespace {

enum : std::uint8_t {
    black = 0,
    body = 1,
    body_edge = 2,
    slot = 3,
    screw = 4,
    screw_groove = 5,
    marking = 6,
    handle = 7,
    handle_light = 8,
    stem = 9,
    plate = 10,
    plate_edge = 11,
    plate_label = 12,
};

void set_palette(bitmaps::Canvas& c) {
    c.palette[body] = 0x3A3A3C;
    c.palette[body_edge] = 0x5C5C60;
    c.palette[slot] = 0x0C0C0C;
    c.palette[screw] = 0x8C8C90;
    c.palette[screw_groove] = 0x2A2A2A;
    c.palette[marking] = 0xC8C8C8;
    c.palette[handle] = 0x9A9A9E;
    c.palette[handle_light] = 0xC4C4C8;
    c.palette[stem] = 0x707074;
    c.palette[plate] = 0x202830;
    c.palette[plate_edge] = 0x48505A;
    c.palette[plate_label] = 0xF0F0F0;
}

// The lever centres lie over the sliders' x positions (54, 104, 154, 204)
// plus half a lever's width.
constexpr int lever_width = 45;
constexpr int lever_height = 122;
constexpr int lever_left[] = {54, 104, 154, 204};

bitmaps::Canvas housing() {
    bitmaps::Canvas c(303, 371);
    set_palette(c);
    const int top = 24;
    const int bottom = 347;
    c.rect(0, top, c.width, bottom - top, body);
    c.frame(0, top, c.width, bottom - top, body_edge);
    c.frame(1, top + 1, c.width - 2, bottom - top - 2, body_edge);
    for (int left : lever_left) {
        const int centre = left + lever_width / 2;
        c.rect(centre - 4, 40, 9, 262, slot);
        c.frame(centre - 5, 39, 11, 264, body_edge);
        // Full and idle marks beside each slot.
        c.rect(centre - 12, 44, 5, 2, marking);
        c.rect(centre - 12, 296, 5, 2, marking);
    }
    for (int x : {14, 288})
        for (int y : {top + 14, bottom - 15}) {
            c.disc(x, y, 6, screw);
            c.rect(x - 4, y, 9, 1, screw_groove);
        }
    const std::string label = "THROTTLE";
    c.text((c.width - bitmaps::Canvas::text_width(label, 2)) / 2, 318, label, marking, 2);
    return c;
}

bitmaps::Canvas lever(int number) {
    bitmaps::Canvas c(lever_width, lever_height);
    set_palette(c);
    c.rect(2, 0, 41, 28, handle);
    c.rect(2, 0, 41, 3, handle_light);
    c.rect(19, 28, 7, 22, stem);
    c.rect(6, 50, 33, 72, plate);
    c.frame(6, 50, 33, 72, plate_edge);
    const std::string label = std::to_string(number);
    c.text((c.width - bitmaps::Canvas::text_width(label, 3)) / 2, 74, label, plate_label, 3);
    return c;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: draw_throttle <output folder>\n");
        return 2;
    }
    const std::string dir = argv[1];
    bool ok = bitmaps::write_bmp(housing(), dir + "/housing.bmp");
    for (int n = 1; n <= 4; ++n) ok = bitmaps::write_bmp(lever(n), dir + "/lever_" + std::to_string(n) + ".bmp") && ok;
    if (!ok) {
        std::fprintf(stderr, "draw_throttle: cannot write the bitmaps into %s\n", dir.c_str());
        return 1;
    }
    return 0;
}
