// The fonts the host draws text elements with, as the bench finds them:
// "Courier New" is drawn with Liberation Mono (metric-compatible; Windows'
// own cour.ttf where there is one), "Quartz" with DSEG7 Classic. The
// folders searched are GAUGEBENCH_FONTS (a list separated by ':', or ';'
// on Windows) when it is set, else the Debian font folders (also through
// Wine's Z: drive) and the Windows font folder. A face without a file is
// drawn with the built-in 5 by 7 font, after a one-line warning.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

namespace bench {

// A TrueType font file, loaded and ready to rasterise.
class TrueTypeFont {
public:
    static std::unique_ptr<TrueTypeFont> load(const std::string& path);  // null if unusable
    ~TrueTypeFont();
    TrueTypeFont(const TrueTypeFont&) = delete;
    TrueTypeFont& operator=(const TrueTypeFont&) = delete;

    const std::string& path() const { return path_; }
    // Font units to pixels for a line (ascent to descent) px pixels tall.
    float scale_for_line(float px) const;
    int ascent() const { return ascent_; }    // font units above the baseline
    int descent() const { return descent_; }  // font units below it (negative)
    int advance(int codepoint) const;         // font units
    // Coverage (0 to 255) of a glyph at a scale and a horizontal subpixel
    // shift; box gives its offset from the pen on the baseline. Each is
    // rasterised once and kept: a gauge's texts are drawn again every frame
    // at the same sizes and places. The reference holds until the next call.
    struct Glyph {
        int x0 = 0, y0 = 0, width = 0, height = 0;
        std::vector<unsigned char> coverage;
    };
    const Glyph& glyph(int codepoint, float scale, float shift_x) const;

private:
    TrueTypeFont() = default;
    struct Info;
    std::string path_;
    std::vector<unsigned char> data_;
    std::unique_ptr<Info> info_;
    int ascent_ = 0, descent_ = 0;
    // By codepoint and the bit patterns of scale and shift.
    mutable std::map<std::tuple<int, std::uint32_t, std::uint32_t>, Glyph> glyphs_;
};

// The font files the bench looks for for a face, in order of preference.
std::vector<std::string> font_file_names(const std::string& face);
std::vector<std::string> font_folders();

class FontBook {
public:
    // The font of a face, loaded once; null when no file is found (the
    // first time, a warning names the face and where the bench looked).
    const TrueTypeFont* find(const std::string& face);

private:
    std::map<std::string, std::unique_ptr<TrueTypeFont>> loaded_;
};

}  // namespace bench
