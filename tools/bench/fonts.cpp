#include "tools/bench/fonts.h"

#include <stb_truetype.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>

namespace bench {

struct TrueTypeFont::Info {
    stbtt_fontinfo font{};
};

TrueTypeFont::~TrueTypeFont() = default;

std::unique_ptr<TrueTypeFont> TrueTypeFont::load(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return nullptr;
    std::unique_ptr<TrueTypeFont> f(new TrueTypeFont());
    f->path_ = path;
    f->data_.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    f->info_ = std::make_unique<Info>();
    const int offset = stbtt_GetFontOffsetForIndex(f->data_.data(), 0);
    if (f->data_.size() < 12 || offset < 0 || stbtt_InitFont(&f->info_->font, f->data_.data(), offset) == 0)
        return nullptr;
    int line_gap = 0;
    stbtt_GetFontVMetrics(&f->info_->font, &f->ascent_, &f->descent_, &line_gap);
    return f;
}

float TrueTypeFont::scale_for_line(float px) const { return stbtt_ScaleForPixelHeight(&info_->font, px); }

int TrueTypeFont::advance(int codepoint) const {
    int advance = 0, bearing = 0;
    stbtt_GetCodepointHMetrics(&info_->font, codepoint, &advance, &bearing);
    return advance;
}

const TrueTypeFont::Glyph& TrueTypeFont::glyph(int codepoint, float scale, float shift_x) const {
    std::uint32_t scale_bits = 0, shift_bits = 0;
    std::memcpy(&scale_bits, &scale, sizeof scale_bits);
    std::memcpy(&shift_bits, &shift_x, sizeof shift_bits);
    const auto key = std::make_tuple(codepoint, scale_bits, shift_bits);
    if (const auto known = glyphs_.find(key); known != glyphs_.end()) return known->second;
    // A bound on what is kept, for a long-running bench drawing many sizes.
    if (glyphs_.size() >= 8192) glyphs_.clear();
    Glyph& g = glyphs_[key];
    int x1 = 0, y1 = 0;
    stbtt_GetCodepointBitmapBoxSubpixel(&info_->font, codepoint, scale, scale, shift_x, 0, &g.x0, &g.y0, &x1, &y1);
    g.width = x1 - g.x0;
    g.height = y1 - g.y0;
    if (g.width <= 0 || g.height <= 0) {
        g = Glyph{};
        return g;
    }
    g.coverage.assign(static_cast<std::size_t>(g.width) * static_cast<std::size_t>(g.height), 0);
    stbtt_MakeCodepointBitmapSubpixel(&info_->font, g.coverage.data(), g.width, g.height, g.width, scale, scale,
                                      shift_x, 0, codepoint);
    return g;
}

std::vector<std::string> font_file_names(const std::string& face) {
    if (face == "Courier New") return {"LiberationMono-Regular.ttf", "cour.ttf"};
    if (face == "Quartz") return {"DSEG7Classic-Regular.ttf"};
    return {};
}

std::vector<std::string> font_folders() {
#if defined(_WIN32)
    const char separator = ';';
#else
    const char separator = ':';
#endif
    std::vector<std::string> folders;
    if (const char* list = std::getenv("GAUGEBENCH_FONTS")) {
        std::string rest = list;
        while (!rest.empty()) {
            const auto at = rest.find(separator);
            const std::string one = rest.substr(0, at);
            if (!one.empty()) folders.push_back(one);
            if (at == std::string::npos) break;
            rest.erase(0, at + 1);
        }
        return folders;
    }
    for (const char* debian : {"/usr/share/fonts/truetype/liberation", "/usr/share/fonts/truetype/dseg"}) {
#if defined(_WIN32)
        // Under Wine the Linux file system is drive Z:.
        folders.push_back(std::string("Z:") + debian);
#else
        folders.push_back(debian);
#endif
    }
#if defined(_WIN32)
    if (const char* windir = std::getenv("WINDIR")) folders.push_back(std::string(windir) + "\\Fonts");
#endif
    return folders;
}

const TrueTypeFont* FontBook::find(const std::string& face) {
    if (const auto it = loaded_.find(face); it != loaded_.end()) return it->second.get();
    std::unique_ptr<TrueTypeFont> font;
    const std::vector<std::string> names = font_file_names(face);
    const std::vector<std::string> folders = font_folders();
    for (const std::string& name : names) {
        for (const std::string& folder : folders) {
            const std::string path = (std::filesystem::path(folder) / name).string();
            std::error_code ec;
            if (std::filesystem::is_regular_file(path, ec) && (font = TrueTypeFont::load(path))) break;
        }
        if (font) break;
    }
    if (!font) {
        std::string looked;
        for (const std::string& n : names) looked += (looked.empty() ? "" : " or ") + n;
        std::string where;
        for (const std::string& f : folders) where += (where.empty() ? "" : ", ") + f;
        std::cerr << "gaugebench: warning: no font file for \"" << face << "\" ("
                  << (looked.empty() ? std::string("no file known for this face") : "looked for " + looked + " in " + (where.empty() ? "no folder" : where))
                  << "); drawing it with the built-in 5x7 font\n";
    }
    return (loaded_[face] = std::move(font)).get();
}

}  // namespace bench
