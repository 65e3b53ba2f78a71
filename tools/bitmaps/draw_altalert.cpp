// Draws the altitude alert's two bitmaps:
//   canvas.bmp (4096), 100 by 50, black all over: it only fixes the
//     gauge's pixel size, and black is what the host leaves transparent;
//   light.bmp (4099), 96 by 46, the lit annunciator: ALTITUDE over ALERT
//     in amber capitals with darker amber edges on a near-black face. No
//     pixel is pure black, so no part of the light turns transparent.
#include <cstdio>
#include <string>

#include "tools/bitmaps/canvas.h"

namespace {

constexpr std::uint8_t face = 1;
constexpr std::uint8_t amber = 2;
constexpr std::uint8_t amber_edge = 3;
constexpr int letter_scale = 2;  // the 5 by 7 font at 10 by 14 pixels

// Centres a line of capitals horizontally with its top at y.
void centred_line(bitmaps::Canvas& c, int y, const std::string& s) {
    c.text((c.width - bitmaps::Canvas::text_width(s, letter_scale)) / 2, y, s, amber, letter_scale);
}

// Every face pixel that touches a letter along a side becomes a darker
// amber edge, which softens the letters as a lit legend looks.
void edge_letters(bitmaps::Canvas& c) {
    const bitmaps::Canvas lit = c;
    for (int y = 0; y < c.height; ++y)
        for (int x = 0; x < c.width; ++x) {
            if (lit.at(x, y) != face) continue;
            const bool touches = (x > 0 && lit.at(x - 1, y) == amber) || (x + 1 < c.width && lit.at(x + 1, y) == amber) ||
                                 (y > 0 && lit.at(x, y - 1) == amber) || (y + 1 < c.height && lit.at(x, y + 1) == amber);
            if (touches) c.set(x, y, amber_edge);
        }
}

bitmaps::Canvas light() {
    bitmaps::Canvas c(96, 46);
    c.palette[face] = 0x040604;
    c.palette[amber] = 0xFCAA34;
    c.palette[amber_edge] = 0xD49234;
    c.fill(face);
    // Two lines of 14 pixels with 6 above, 6 between and 6 below.
    centred_line(c, 6, "ALTITUDE");
    centred_line(c, 26, "ALERT");
    edge_letters(c);
    return c;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: draw_altalert <output folder>\n");
        return 2;
    }
    const std::string dir = argv[1];
    const bitmaps::Canvas canvas(100, 50);
    const bitmaps::Canvas lit = light();
    const struct {
        const bitmaps::Canvas& picture;
        const char* file;
    } outputs[] = {{canvas, "canvas.bmp"}, {lit, "light.bmp"}};
    for (const auto& out : outputs) {
        if (!bitmaps::write_bmp(out.picture, dir + "/" + out.file)) {
            std::fprintf(stderr, "draw_altalert: cannot write %s/%s\n", dir.c_str(), out.file);
            return 1;
        }
    }
    return 0;
}
