// Golden pictures: a rendered gauge is compared with a committed PNG,
// allowing for small differences in font rasterisation. Set
// GAUGEBENCH_UPDATE_GOLDEN=1 to write the rendered pictures as the new
// goldens instead (then look at them before committing).
#pragma once

#include <optional>
#include <string>

#include "tools/bench/rgb_image.h"

namespace golden {

std::optional<bench::RgbImage> read_png(const std::string& path);

struct Difference {
    int pixels = 0;    // pixels whose channels differ by more than the tolerance
    int largest = 0;   // the largest channel difference seen
};
Difference compare(const bench::RgbImage& a, const bench::RgbImage& b, int tolerance);

// Empty when the picture matches the golden of that name (within
// tolerance 48 per channel on at most 1% of the pixels), else what differed.
std::string check(const bench::RgbImage& rendered, const std::string& name);

}  // namespace golden
