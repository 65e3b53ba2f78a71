#include "golden.h"

#include <stb_image.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>

#include "tools/bench/png_file.h"

namespace golden {

std::optional<bench::RgbImage> read_png(const std::string& path) {
    int w = 0, h = 0, channels = 0;
    unsigned char* data = stbi_load(path.c_str(), &w, &h, &channels, 3);
    if (data == nullptr) return std::nullopt;
    bench::RgbImage image(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const unsigned char* p = data + (static_cast<std::size_t>(y) * static_cast<std::size_t>(w) + static_cast<std::size_t>(x)) * 3;
            image.set(x, y, bench::Rgb{p[0], p[1], p[2]});
        }
    stbi_image_free(data);
    return image;
}

Difference compare(const bench::RgbImage& a, const bench::RgbImage& b, int tolerance) {
    Difference d;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const bench::Rgb p = a.at(x, y), q = b.at(x, y);
            const int worst = std::max({std::abs(p.r - q.r), std::abs(p.g - q.g), std::abs(p.b - q.b)});
            d.largest = std::max(d.largest, worst);
            if (worst > tolerance) ++d.pixels;
        }
    return d;
}

std::string check(const bench::RgbImage& rendered, const std::string& name) {
    const std::string path = std::string(GOLDEN_DIR) + "/" + name + ".png";
    if (const char* update = std::getenv("GAUGEBENCH_UPDATE_GOLDEN"); update != nullptr && std::strcmp(update, "1") == 0) {
        bench::write_png(rendered, path);
        return {};
    }
    const auto expected = read_png(path);
    if (!expected) return "no golden picture " + path;
    if (expected->width() != rendered.width() || expected->height() != rendered.height())
        return name + ": rendered " + std::to_string(rendered.width()) + "x" + std::to_string(rendered.height()) +
               ", golden " + std::to_string(expected->width()) + "x" + std::to_string(expected->height());
    const Difference d = compare(rendered, *expected, 48);
    const int allowed = rendered.width() * rendered.height() / 100;
    if (d.pixels > allowed) {
        const std::string scratch = std::string(BENCH_SCRATCH_DIR) + "/" + name + ".png";
        std::filesystem::create_directories(BENCH_SCRATCH_DIR);
        bench::write_png(rendered, scratch);
        return name + ": " + std::to_string(d.pixels) + " pixels differ (at most " + std::to_string(allowed) +
               " may), by up to " + std::to_string(d.largest) + "; rendered picture in " + scratch;
    }
    return {};
}

}  // namespace golden
