// Rendering a live gauge as the host draws it: bitmaps at their place with
// black transparent where the flags say, icon frames, slider places,
// hidden elements, texts in their box with their colours and highlights,
// the font look-up and its fallback, and scaling.
#include <gmock/gmock.h>

#include <cstdlib>
#include <filesystem>

#include "emulator/probe_fixture.h"
#include "tools/bench/render.h"

namespace {

using bench::Rgb;

constexpr Rgb black{0, 0, 0};
constexpr Rgb red{255, 0, 0};

// The colour of a bitmap's pixel as the host shows it.
Rgb colour_of(const emu::Bitmap& b, int x, int y) {
    return bench::from_palette(b.palette[b.pixels[static_cast<std::size_t>(y * b.width + x)]]);
}

// The smallest box holding every pixel that is not black.
struct Extent {
    int left = 1 << 20, top = 1 << 20, right = -1, bottom = -1;
};
Extent lit_extent(const bench::RgbImage& image) {
    Extent e;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (!(image.at(x, y) == black)) {
                e.left = std::min(e.left, x);
                e.right = std::max(e.right, x);
                e.top = std::min(e.top, y);
                e.bottom = std::max(e.bottom, y);
            }
    return e;
}

class BenchRender : public ProbeTest {
protected:
    bench::RgbImage render(const emu::Gauge& g, int scale = 1) { return bench::render(*host, g, scale, fonts); }
    bench::FontBook fonts;
};

TEST(BenchRenderBitmaps, FlagBitZeroMakesBlackTransparent) {
    emu::Bitmap b;
    b.width = 2;
    b.height = 1;
    b.pixels = {0, 1};
    b.palette.assign(256, 0);
    b.palette[1] = 0x00FF8000;  // orange
    for (bool transparent : {true, false}) {
        bench::RgbImage image(3, 1);
        image.fill(0, 0, 3, 1, Rgb{10, 20, 30});
        image.draw(b, 1, 0, 1, transparent);
        EXPECT_EQ(image.at(0, 0), (Rgb{10, 20, 30})) << "left of the bitmap";
        EXPECT_EQ(image.at(1, 0), transparent ? (Rgb{10, 20, 30}) : black) << "its black pixel";
        EXPECT_EQ(image.at(2, 0), (Rgb{255, 128, 0}));
    }
}

TEST_F(BenchRender, AnIconShowsTheBitmapOfItsCurrentFrame) {
    emu::Gauge& g = host->install(probe, "probe_610");
    const auto dark = probe.bitmap(200, 0x040C), lit = probe.bitmap(203, 0x040C);
    ASSERT_TRUE(dark && lit);
    for (int frame : {0, 1, 0}) {
        SCOPED_TRACE(frame);
        host->set_number(0x9003, frame);
        host->frame();
        const bench::RgbImage image = render(g);
        EXPECT_EQ(image.at(2, 2), colour_of(frame ? *lit : *dark, 0, 0)) << "the lamp sits at (2, 2)";
        EXPECT_EQ(image.at(3, 3), colour_of(frame ? *lit : *dark, 1, 1));
    }
}

TEST_F(BenchRender, ASliderIsDrawnAtItsPositionPlusValueTimesScale) {
    emu::Gauge& g = host->install(probe, "probe_800");
    const auto knob = probe.bitmap(300, 0x040C);
    ASSERT_TRUE(knob);
    host->set_number(0x9006, 3);  // x scale 1
    host->set_number(0x9005, 4);  // y scale 0.5
    host->frame();
    const bench::RgbImage image = render(g);
    int compared = 0;
    for (int y = 0; y < knob->height; ++y)
        for (int x = 0; x < knob->width; ++x) {
            const Rgb want = colour_of(*knob, x, y);
            if (want == black) continue;  // transparent: the face shows
            EXPECT_EQ(image.at(7 + x, 4 + y), want) << x << "," << y;
            ++compared;
        }
    EXPECT_GT(compared, 0) << "the knob has pixels that are not black";
    EXPECT_EQ(image.at(4, 2), black) << "nothing left at the slider's own position";
}

TEST_F(BenchRender, AHiddenElementIsNotDrawnUntilTheFlagClears) {
    emu::Gauge& g = host->install(probe, "probe_610");
    host->set_number(0x9003, 1);
    ELEMENT_HEADER* lamp = g.element(1).element;
    lamp->image_flags |= IMAGE_HIDDEN;
    host->frame();
    EXPECT_EQ(render(g).at(2, 2), black);
    lamp->image_flags &= ~IMAGE_HIDDEN;
    EXPECT_EQ(render(g).at(2, 2), black) << "the picture is the last draw's, until the next frame";
    host->frame();
    EXPECT_NE(render(g).at(2, 2), black);
}

TEST_F(BenchRender, TextIsCentredInItsBoxInItsColourAndClipped) {
    emu::Gauge& g = host->install(probe, "probe_text");  // box (1, 1) 14 x 6, red on black, flags 0x25
    host->set_number(0x9001, 3);
    host->frame();
    const int scale = 4;
    const bench::RgbImage image = render(g, scale);
    ASSERT_EQ(image.width(), 16 * scale);
    const Extent e = lit_extent(image);
    ASSERT_GE(e.right, 0) << "the text was drawn";
    EXPECT_GE(e.left, 1 * scale);
    EXPECT_GE(e.top, 1 * scale);
    EXPECT_LT(e.right, 15 * scale);
    EXPECT_LT(e.bottom, 7 * scale);
    EXPECT_LE(std::abs((e.left - scale) - (15 * scale - 1 - e.right)), 2) << "centred across";
    EXPECT_LE(std::abs((e.top - scale) - (7 * scale - 1 - e.bottom)), scale * 2) << "centred down";
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const Rgb p = image.at(x, y);
            EXPECT_TRUE(p.g == 0 && p.b == 0) << "only shades of the red text colour at " << x << "," << y;
        }
}

TEST(BenchHighlights, TheRecordsOfTheCurrentSelectionPickTheCharacters) {
    HIGHLIGHT_RECORD records[] = {{6, 0, 2}, {7, 4, 5}, {8, 3, 9}, {0, 0, 0}};
    ELEMENT_STRING s{};
    s.highlight_list = records;
    using V = std::vector<bool>;
    EXPECT_EQ(bench::highlighted(s, 6, 6), (V{true, true, true, false, false, false}));
    EXPECT_EQ(bench::highlighted(s, 7, 6), (V{false, false, false, false, true, true}));
    EXPECT_EQ(bench::highlighted(s, 8, 6), (V{false, false, false, true, true, true})) << "clipped to the text";
    EXPECT_EQ(bench::highlighted(s, 9, 6), V(6, false)) << "a selection without a record";
    EXPECT_EQ(bench::highlighted(s, 0, 6), V(6, false)) << "no selection";
    s.highlight_list = nullptr;
    EXPECT_EQ(bench::highlighted(s, 6, 3), V(3, false));
}

TEST_F(BenchRender, HighlightedCharactersAreDrawnInTheHighlightColour) {
    emu::Gauge& g = host->install(probe, "probe_text");
    auto* text = reinterpret_cast<ELEMENT_STRING*>(g.element(1).element);
    static HIGHLIGHT_RECORD first_char[] = {{6, 0, 0}, {0, 0, 0}};
    text->highlight_list = first_char;
    text->hilite_color = 0x00FF00;  // green
    host->set_number(0x9001, 2);
    host->frame();
    auto greens_left_of = [](const bench::RgbImage& image, int middle, bool left) {
        int n = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = left ? 0 : middle; x < (left ? middle : image.width()); ++x) n += image.at(x, y).g > 128;
        return n;
    };
    host->set_radio_selection(6);
    const bench::RgbImage lit = render(g, 4);
    EXPECT_GT(greens_left_of(lit, 32, true), 0) << "the first character is green";
    EXPECT_EQ(greens_left_of(lit, 32, false), 0) << "the second is not";
    host->set_radio_selection(7);
    EXPECT_EQ(greens_left_of(render(g, 4), 32, true), 0) << "another selection lights nothing";
    text->highlight_list = nullptr;
    text->hilite_color = 0;
}

TEST(BenchFonts, TheTwoFacesMapToTheirStandInFiles) {
    bench::FontBook fonts;
    const bench::TrueTypeFont* courier = fonts.find("Courier New");
    const bench::TrueTypeFont* quartz = fonts.find("Quartz");
    ASSERT_NE(courier, nullptr) << "fonts-liberation installed";
    ASSERT_NE(quartz, nullptr) << "fonts-dseg installed";
    EXPECT_EQ(std::filesystem::path(courier->path()).filename(), "LiberationMono-Regular.ttf");
    EXPECT_EQ(std::filesystem::path(quartz->path()).filename(), "DSEG7Classic-Regular.ttf");
    EXPECT_EQ(fonts.find("Wingdings"), nullptr);
}

TEST_F(BenchRender, AMissingFontFallsBackToTheBuiltInFont) {
    const std::string empty = std::string(BENCH_SCRATCH_DIR) + "/no_fonts";
    std::filesystem::create_directories(empty);
    ASSERT_EQ(setenv("GAUGEBENCH_FONTS", empty.c_str(), 1), 0);
    bench::FontBook without;
    EXPECT_EQ(without.find("Courier New"), nullptr);
    emu::Gauge& g = host->install(probe, "probe_text");
    host->set_number(0x9001, 3);
    host->frame();
    const bench::RgbImage image = bench::render(*host, g, 2, without);
    unsetenv("GAUGEBENCH_FONTS");
    const Extent e = lit_extent(image);
    ASSERT_GE(e.right, 0) << "the text is still drawn";
    EXPECT_EQ(image.at(e.left, e.top), red) << "in solid pixels of the text colour";
    EXPECT_GE(e.left, 2);
    EXPECT_LT(e.right, 30);
}

TEST_F(BenchRender, ScalingEnlargesBitmapsPixelByPixel) {
    emu::Gauge& g = host->install(probe, "probe_610");
    host->set_number(0x9003, 1);
    host->frame();
    const bench::RgbImage one = render(g, 1), three = render(g, 3);
    ASSERT_EQ(three.width(), 48);
    ASSERT_EQ(three.height(), 24);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 6; ++x)  // left of the text box
            for (int k = 0; k < 9; ++k) ASSERT_EQ(three.at(x * 3 + k % 3, y * 3 + k / 3), one.at(x, y)) << x << "," << y;
}

}  // namespace
