// Draws the readouts' one bitmap: the 60 by 30 background of every
// readout, black all over (palette index 0).
#include <cstdio>
#include <string>

#include "tools/bitmaps/canvas.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: draw_readouts <output folder>\n");
        return 2;
    }
    const std::string dir = argv[1];
    bitmaps::Canvas background(60, 30);
    if (!bitmaps::write_bmp(background, dir + "/background.bmp")) {
        std::fprintf(stderr, "draw_readouts: cannot write %s/background.bmp\n", dir.c_str());
        return 1;
    }
    return 0;
}
