// PNG encoding of a rendered picture (8-bit RGB, no alpha).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "tools/bench/rgb_image.h"

namespace bench {

std::vector<std::uint8_t> encode_png(const RgbImage& image);
void write_png(const RgbImage& image, const std::string& path);  // whole or not at all

}  // namespace bench
