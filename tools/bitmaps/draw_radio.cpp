// Draws the radio stack's bitmaps: the face (4096), the legend layer drawn
// over it (5376), the black stand-ins that the 0x0409 language copies of
// both use, and the two ident lamp frames (8192 dark, 8195 lit).
//
// Every window frame sits one pixel outside the text box drawn in it, and
// every knob is centred on the line between its two clickable halves, so
// the gauge's text boxes and mouse areas land on what they belong to.
#include <cstdio>
#include <string>
#include <vector>

#include "tools/bitmaps/canvas.h"

namespace {

using bitmaps::Canvas;

enum Colour : std::uint8_t {
    black = 0,  // transparent where the host draws with image flag bit 0
    panel = 1,
    frame_green = 2,
    white = 3,
    grey = 4,
    orange = 5,
    knob_body = 6,
    knob_edge = 7,
    button_body = 8,
    window_dark = 9,  // window interiors: near black, so the face never shows through
};

void set_palette(Canvas& c) {
    c.palette[black] = 0x000000;
    c.palette[panel] = 0x2E2E2E;
    c.palette[frame_green] = 0x00B400;
    c.palette[white] = 0xFFFFFF;
    c.palette[grey] = 0x8C8C8C;
    c.palette[orange] = 0xFF8000;
    c.palette[knob_body] = 0x4C4C4C;
    c.palette[knob_edge] = 0x6E6E6E;
    c.palette[button_body] = 0x3C3C3C;
    c.palette[window_dark] = 0x0C0C0C;
}

// Which picture is being drawn: the full face, or the legend layer that
// carries only legends, frames, knob outlines, arrows and the FMC button.
enum class Layer { face, legend };

struct Box {
    int x, y, w, h;
};

void centred_text(Canvas& c, int centre_x, int y, const std::string& s, std::uint8_t colour) {
    c.text(centre_x - Canvas::text_width(s) / 2, y, s, colour);
}

// A text window: a green frame just outside the text box.
void window(Canvas& c, Layer layer, Box text_box) {
    if (layer == Layer::face) c.rect(text_box.x, text_box.y, text_box.w, text_box.h, window_dark);
    c.frame(text_box.x - 1, text_box.y - 1, text_box.w + 2, text_box.h + 2, frame_green);
}

// A knob spanning the two halves of `area`: the left half steps down, the
// right half up (`up_only` knobs have only the up mark).
void knob(Canvas& c, Layer layer, Box area, bool up_only = false) {
    const int cx = area.x + area.w / 2;
    const int cy = area.y + area.h / 2;
    const int r = (area.w < area.h ? area.w : area.h) / 2 - 1;
    if (layer == Layer::face) {
        c.disc(cx, cy, r, knob_body);
        c.circle(cx, cy, r, knob_edge);
        const std::uint8_t mark = white;
        if (!up_only) {
            c.rect(cx - r / 2 - 1, cy, 3, 1, mark);  // minus on the left half
            c.rect(cx, cy - r + 2, 1, 2 * r - 3, panel);  // the first column of the up half
        }
        const int px = up_only ? cx : cx + r / 2 + 1;
        c.rect(px - 1, cy, 3, 1, mark);  // plus on the right half
        c.rect(px, cy - 1, 1, 3, mark);
    } else {
        c.circle(cx, cy, r, frame_green);
    }
}

// Two arrows, one to each side: the standby and active frequencies trade.
void swap_button(Canvas& c, Layer layer, Box b) {
    if (layer == Layer::face) c.rect(b.x, b.y, b.w, b.h, button_body);
    const int left = b.x + 4;
    const int right = b.x + b.w - 5;
    const int top = b.y + 3;
    const int bottom = b.y + b.h - 4;
    c.rect(left, top, right - left + 1, 1, white);
    c.set(right - 1, top - 1, white);
    c.set(right - 1, top + 1, white);
    c.set(right - 2, top - 2, white);
    c.set(right - 2, top + 2, white);
    c.rect(left, bottom, right - left + 1, 1, white);
    c.set(left + 1, bottom - 1, white);
    c.set(left + 1, bottom + 1, white);
    c.set(left + 2, bottom - 2, white);
    c.set(left + 2, bottom + 2, white);
}

// A round 6 by 6 lamp with black corners.
void lamp(Canvas& c, int x, int y, std::uint8_t colour) {
    for (int j = 0; j < 6; ++j)
        for (int i = 0; i < 6; ++i) {
            const int dx = 2 * i - 5;
            const int dy = 2 * j - 5;
            if (dx * dx + dy * dy <= 28) c.set(x + i, y + j, colour);
        }
}

struct RadioRow {
    std::string label;
    int y;                        // top of the text boxes
    int swap_y;                   // top of the swap button
    bool has_lamp;
    bool adf;                     // two knobs right of each window, narrower windows
};

const std::vector<RadioRow> radio_rows = {
    {"NAV1", 12, 15, true, false},
    {"NAV2", 40, 47, true, false},
    {"ADF", 68, 75, true, true},
    {"COM", 96, 103, false, false},
};

void draw_radio_row(Canvas& c, Layer layer, const RadioRow& row) {
    const int y = row.y;
    knob(c, layer, {1, y, 20, 17});
    knob(c, layer, {130, y, 20, 17});
    if (row.adf) {
        window(c, layer, {21, y, 48, 18});
        knob(c, layer, {69, y, 16, 17});
        knob(c, layer, {85, y, 16, 17});
        window(c, layer, {150, y, 48, 18});
        knob(c, layer, {198, y, 16, 17});
        knob(c, layer, {214, y, 16, 17});
    } else {
        window(c, layer, {22, y, 60, 18});
        knob(c, layer, {82, y, 20, 17});
        window(c, layer, {151, y, 60, 18});
        knob(c, layer, {211, y, 20, 17});
    }
    swap_button(c, layer, {106, row.swap_y, 22, 12});
    centred_text(c, 117, row.swap_y - 9, row.label, white);
    if (row.has_lamp && layer == Layer::face) lamp(c, 15, y - 5, white);
}

void draw_panel(Canvas& c, Layer layer) {
    set_palette(c);
    c.fill(layer == Layer::face ? panel : black);
    centred_text(c, 18, 0, "ID", white);
    centred_text(c, 52, 0, "ACTIVE", white);
    centred_text(c, 181, 0, "STANDBY", white);
    for (const RadioRow& row : radio_rows) draw_radio_row(c, layer, row);

    // Transponder: its window, four knobs that only step up, the FMC button.
    c.text(16, 129, "XPNDR", white);
    window(c, layer, {51, 124, 60, 18});
    for (int x : {114, 132, 150, 168}) knob(c, layer, {x, 124, 15, 17}, true);
    c.rect(196, 125, 30, 15, layer == Layer::face ? white : grey);
    centred_text(c, 211, 129, "FMC", layer == Layer::face ? button_body : white);

    // Bottom row: the clock and the simulation rate.
    window(c, layer, {22, 152, 90, 18});
    c.text(138, 157, "SIM X", white);
    window(c, layer, {171, 152, 40, 18});
}

bool write(const Canvas& c, const std::string& dir, const std::string& name) {
    if (bitmaps::write_bmp(c, dir + "/" + name)) return true;
    std::fprintf(stderr, "draw_radio: cannot write %s/%s\n", dir.c_str(), name.c_str());
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: draw_radio <output folder>\n");
        return 2;
    }
    const std::string dir = argv[1];

    Canvas face(233, 185);
    draw_panel(face, Layer::face);
    Canvas legend(233, 185);
    draw_panel(legend, Layer::legend);
    Canvas blank(233, 185);
    set_palette(blank);

    Canvas lamp_dark(6, 6);
    set_palette(lamp_dark);
    Canvas lamp_lit(6, 6);
    set_palette(lamp_lit);
    lamp(lamp_lit, 0, 0, orange);
    lamp_lit.set(2, 1, white);
    lamp_lit.set(1, 2, white);

    const bool ok = write(face, dir, "face.bmp") && write(legend, dir, "legend.bmp") &&
                    write(blank, dir, "blank.bmp") && write(lamp_dark, dir, "lamp_dark.bmp") &&
                    write(lamp_lit, dir, "lamp_lit.bmp");
    return ok ? 0 : 1;
}
