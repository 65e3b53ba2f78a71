// The bitmaps the module ships: ids, language copies, sizes and colour
// depth, the lamp pictures, and a face whose windows and knobs lie under
// the text boxes and mouse areas that belong to them.
#include <gmock/gmock.h>

#include <algorithm>

#include "radio_fixture.h"

using namespace radio;

namespace {

constexpr std::uint16_t french = 0x040C;
constexpr std::uint16_t english = 0x0409;

std::uint32_t colour_at(const emu::Bitmap& b, int x, int y) {
    return b.palette.at(b.pixels.at(static_cast<std::size_t>(y * b.width + x)));
}

bool black_all_over(const emu::Bitmap& b) {
    return std::all_of(b.pixels.begin(), b.pixels.end(), [&](std::uint8_t i) { return b.palette.at(i) == 0; });
}

int red(std::uint32_t rgb) { return static_cast<int>((rgb >> 16) & 0xFF); }
int green(std::uint32_t rgb) { return static_cast<int>((rgb >> 8) & 0xFF); }
int blue(std::uint32_t rgb) { return static_cast<int>(rgb & 0xFF); }
bool is_green(std::uint32_t rgb) { return green(rgb) >= 128 && red(rgb) < 64 && blue(rgb) < 64; }

}  // namespace

TEST_F(RadioTest, BitmapsAndTheirLanguageCopies) {
    const struct {
        ID32 id;
        int width, height;
        std::vector<std::uint16_t> languages;
    } expected[] = {
        {4096, 233, 185, {french, english}},
        {5376, 233, 185, {french, english}},
        {8192, 6, 6, {french}},
        {8195, 6, 6, {french}},
    };
    const std::vector<emu::Bitmap> all = radio_module.bitmaps();
    EXPECT_EQ(all.size(), 6u);
    for (const auto& x : expected) {
        std::vector<std::uint16_t> languages;
        for (const emu::Bitmap& b : all) {
            if (b.id != x.id) continue;
            languages.push_back(b.language);
            SCOPED_TRACE("bitmap " + std::to_string(b.id) + " language " + std::to_string(b.language));
            EXPECT_EQ(b.width, x.width);
            EXPECT_EQ(b.height, x.height);
            EXPECT_EQ(b.bits_per_pixel, 8);
            EXPECT_EQ(b.palette_entries, 256);
            EXPECT_EQ(b.compression, 0u);
            EXPECT_EQ(black_all_over(b), b.language == english || b.id == 8192)
                << "the 0x0409 copies and the dark lamp are black all over, the rest is artwork";
        }
        std::sort(languages.begin(), languages.end());
        std::vector<std::uint16_t> wanted = x.languages;
        std::sort(wanted.begin(), wanted.end());
        EXPECT_EQ(languages, wanted) << "bitmap " << x.id;
    }
}

TEST_F(RadioTest, LitLampIsARoundOrangeLampWithAHighlight) {
    const emu::Bitmap lamp = *radio_module.bitmap(8195, french);
    for (auto [x, y] : {std::pair{0, 0}, {5, 0}, {0, 5}, {5, 5}}) EXPECT_EQ(colour_at(lamp, x, y), 0u) << x << "," << y;
    const std::uint32_t centre = colour_at(lamp, 3, 3);
    EXPECT_GE(red(centre), 200);
    EXPECT_GE(green(centre), 64);
    EXPECT_LE(green(centre), 192);
    EXPECT_LE(blue(centre), 64);
    EXPECT_TRUE(std::any_of(lamp.pixels.begin(), lamp.pixels.end(),
                            [&](std::uint8_t i) { return lamp.palette.at(i) == 0xFFFFFF; }))
        << "a white highlight";
}

TEST_F(RadioTest, TheHostLoadsTheCopyOfItsLanguage) {
    host->kill(*gauge);
    host->set_resource_language(english);
    gauge = &host->install(radio_module, "halbrook");
    host->frame();
    EXPECT_EQ(gauge->element(element::face).bitmap->language, english);
    EXPECT_EQ(gauge->element(element::legend).bitmap->language, english);
    EXPECT_EQ(gauge->element(element::nav1_lamp).bitmap->language, french) << "the lamps exist in one copy";
    EXPECT_EQ(gauge->size().x, 233);
    EXPECT_EQ(gauge->size().y, 185);
}

// Every text box sits inside a green window frame, on the face and on the
// legend layer alike.
TEST_F(RadioTest, TextBoxesLieInTheirWindows) {
    const emu::Bitmap face = *radio_module.bitmap(4096, french);
    const emu::Bitmap legend = *radio_module.bitmap(5376, french);
    for (std::size_t i = element::nav1_active; i <= element::sim_rate; ++i) {
        const auto* s = reinterpret_cast<const ELEMENT_STRING*>(gauge->element(i).element);
        const int left = s->header.position.x - 1, top = s->header.position.y - 1;
        const int right = s->header.position.x + s->box_width, bottom = s->header.position.y + s->box_height;
        for (const emu::Bitmap* b : {&face, &legend}) {
            SCOPED_TRACE("element " + std::to_string(i) + " on bitmap " + std::to_string(b->id));
            for (int x = left; x <= right; ++x) {
                EXPECT_TRUE(is_green(colour_at(*b, x, top))) << x << "," << top;
                EXPECT_TRUE(is_green(colour_at(*b, x, bottom))) << x << "," << bottom;
            }
            for (int y = top; y <= bottom; ++y) {
                EXPECT_TRUE(is_green(colour_at(*b, left, y))) << left << "," << y;
                EXPECT_TRUE(is_green(colour_at(*b, right, y))) << right << "," << y;
            }
        }
    }
}

// The centre of every mouse area falls on the knob, button, lamp or window
// it works, never on bare panel.
TEST_F(RadioTest, MouseAreasLieOnTheirControls) {
    const emu::Bitmap face = *radio_module.bitmap(4096, french);
    const std::uint32_t panel = colour_at(face, face.width - 1, face.height - 1);
    for (const Control& c : controls) {
        const PIXPOINT p = centre(c);
        EXPECT_NE(colour_at(face, p.x, p.y), panel) << c.name << " at " << p.x << "," << p.y;
    }
}
