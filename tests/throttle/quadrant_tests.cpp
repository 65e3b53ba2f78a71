// The throttle quadrant gauge: its records, its bitmaps, the levers
// following the host's throttle variables and clicks setting them.
//
// The records are packed as the 32-bit host lays them out, so pointer and
// float members are read by value (unary +) before a check binds them to a
// reference.
#include <gmock/gmock.h>

#include <cstdint>
#include <cstring>
#include <fstream>
#include <iterator>
#include <limits>

#include "emulator/module_file.h"
#include "throttle_fixture.h"

using emu::HostEvent;
using ::testing::ElementsAre;

namespace {

constexpr ID32 throttle_events[] = {0x1011C, 0x1011D, 0x1011E, 0x1011F};
constexpr ID32 throttle_tokens[] = {0x80, 0xA3, 0xC6, 0xE9};

HostEvent sent(ID32 id, std::uint32_t value) {
    return HostEvent{.kind = HostEvent::Kind::key_event, .origin = HostEvent::Origin::module, .id = id, .value = value};
}

}  // namespace

// ---------------------------------------------------------------- records

TEST_F(ThrottleTest, LinkageAndHeaderNameOneVersion800Gauge) {
    const GAUGESLINKAGE& l = coristal.linkage();
    EXPECT_EQ(l.module_id, 0x13u);
    EXPECT_NE(+l.module_init, nullptr);
    EXPECT_NE(+l.module_deinit, nullptr);
    EXPECT_EQ(l.flags, 0u);
    EXPECT_EQ(l.module_version, 0u);
    EXPECT_EQ(l.sim_version, 0x800u);
    EXPECT_EQ(+l.gauge_header_ptr[0], header());
    EXPECT_EQ(+l.gauge_header_ptr[1], nullptr);

    const GAUGEHDR& h = *header();
    EXPECT_EQ(h.gauge_header_version, 800u);
    EXPECT_STREQ(h.gauge_name, "coristal");
    ASSERT_NE(+h.elements_list, nullptr);
    EXPECT_EQ(h.elements_list[0]->resource_id, 256u);
    EXPECT_EQ(+h.query_routine, nullptr);
    EXPECT_EQ(+h.install_routine, nullptr);
    EXPECT_EQ(+h.initialize_routine, nullptr);
    EXPECT_EQ(+h.update_routine, nullptr);
    EXPECT_EQ(+h.generate_routine, nullptr);
    EXPECT_EQ(+h.draw_routine, nullptr);
    EXPECT_EQ(+h.kill_routine, nullptr);
    EXPECT_EQ(h.size_x_mm, 100u);
    EXPECT_EQ(h.size_y_mm, 0u);
    EXPECT_NE(+h.mouse_rect, nullptr);
    EXPECT_NE(+h.gauge_callback, nullptr);
    const char no_host_fields[sizeof h.host_fields] = {};
    EXPECT_EQ(std::memcmp(h.host_fields, no_host_fields, sizeof no_host_fields), 0);
}

TEST_F(ThrottleTest, FiveElementsInAChainEachWithItsOwnEmptyFailureList) {
    struct row {
        ENUM32 type;
        ID32 bitmap;
        PIXPOINT position;
    };
    const row rows[] = {
        {ELEMENT_TYPE_STATIC_IMAGE, 256, {0, 0}},  {ELEMENT_TYPE_SLIDER, 6400, {54, 192}},
        {ELEMENT_TYPE_SLIDER, 8448, {104, 192}},   {ELEMENT_TYPE_SLIDER, 8704, {154, 192}},
        {ELEMENT_TYPE_SLIDER, 8192, {204, 192}},
    };
    ELEMENT_HEADER* e = header()->elements_list[0];
    std::vector<FAILURE_RECORD*> failure_lists;
    for (const row& r : rows) {
        SCOPED_TRACE(r.bitmap);
        ASSERT_NE(e, nullptr);
        EXPECT_EQ(e->element_type, r.type);
        EXPECT_EQ(e->resource_id, r.bitmap);
        EXPECT_EQ(e->position.x, r.position.x);
        EXPECT_EQ(e->position.y, r.position.y);
        EXPECT_EQ(e->previous_position.x, 0);
        EXPECT_EQ(e->previous_position.y, 0);
        EXPECT_EQ(e->ofs.x, 0);
        EXPECT_EQ(e->ofs.y, 0);
        EXPECT_EQ(+e->gauge_header, header());
        EXPECT_EQ(+e->previous_element, nullptr);
        EXPECT_EQ(e->image_flags, 0x83u);
        EXPECT_EQ(e->aircraft_special_instrumentation, 0u);
        EXPECT_EQ(e->reserved, 0u);
        ASSERT_NE(+e->failure_systems, nullptr);
        EXPECT_EQ(e->failure_systems[0].key, 0u);
        EXPECT_EQ(e->failure_systems[0].action, 0u);
        EXPECT_EQ(e->failure_systems[0].reserved, 0u);
        failure_lists.push_back(e->failure_systems);
        if (r.bitmap == 8192) {
            EXPECT_EQ(+e->next_element, nullptr) << "the last element has no child list";
            e = nullptr;
        } else {
            ASSERT_NE(+e->next_element, nullptr);
            EXPECT_EQ(e->next_element[1], nullptr) << "exactly one child";
            e = e->next_element[0];
        }
    }
    for (std::size_t i = 0; i < failure_lists.size(); ++i)
        for (std::size_t j = i + 1; j < failure_lists.size(); ++j) EXPECT_NE(failure_lists[i], failure_lists[j]);
}

TEST_F(ThrottleTest, SlidersReadTheirEnginesThrottleAndMoveOnlyUpAndDown) {
    emu::Gauge& g = host->install(coristal, "coristal");
    for (int n = 1; n <= 4; ++n) {
        SCOPED_TRACE(n);
        const ELEMENT_SLIDER* s = slider(g, n);
        EXPECT_EQ(s->source_var_x.id, 0u);
        EXPECT_EQ(+s->scale_x, 0.0);
        EXPECT_NE(+s->update_x, nullptr);
        EXPECT_EQ(s->source_var_y.id, throttle_tokens[n - 1]);
        EXPECT_EQ(+s->scale_y, -0.00958251953125);
        EXPECT_NE(+s->update_y, nullptr);
    }
}

TEST_F(ThrottleTest, MouseListHasFourLeverAreasInsideOneParent) {
    struct row {
        ENUM32 kind;
        PIXBOX box;
        ID32 cursor;
        FLAGS32 flags;
        bool callback;
    };
    const row rows[] = {
        {MOUSE_RECT_PARENT, {0, 0, 0, 0}, 0xFFFFFFFF, 0, false},
        {MOUSE_RECT_CHILD, {58, 1, 30, 247}, 5, 0x20800000, true},
        {MOUSE_RECT_CHILD, {116, 7, 25, 259}, 5, 0x20800000, true},
        {MOUSE_RECT_CHILD, {158, 7, 25, 279}, 5, 0x20800000, true},
        {MOUSE_RECT_CHILD, {202, 5, 26, 266}, 5, 0x20800000, true},
        {MOUSE_RECT_END_PARENT, {0, 0, 0, 0}, 0xFFFFFFFF, 0, false},
        {MOUSE_RECT_EOL, {0, 0, 0, 0}, 0xFFFFFFFF, 0, false},
    };
    const MOUSERECT* r = header()->mouse_rect;
    for (std::size_t i = 0; i < std::size(rows); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(r[i].rect_type, rows[i].kind);
        EXPECT_EQ(r[i].relative_box.x, rows[i].box.x);
        EXPECT_EQ(r[i].relative_box.y, rows[i].box.y);
        EXPECT_EQ(r[i].relative_box.width, rows[i].box.width);
        EXPECT_EQ(r[i].relative_box.height, rows[i].box.height);
        EXPECT_EQ(r[i].cursor, rows[i].cursor);
        EXPECT_EQ(r[i].help_id, 0u);
        EXPECT_EQ(r[i].mouse_flags, rows[i].flags);
        EXPECT_EQ(r[i].event_id, 0u);
        EXPECT_EQ(r[i].mouse_function != nullptr, rows[i].callback);
        EXPECT_EQ(+r[i].api_data, nullptr);
    }
}

// ---------------------------------------------------------------- bitmaps

TEST_F(ThrottleTest, BitmapsAre8BitWithBlackAroundTheArtwork) {
    struct row {
        ID32 id;
        int width, height;
    };
    const row rows[] = {{256, 303, 371}, {6400, 45, 122}, {8448, 45, 122}, {8704, 45, 122}, {8192, 45, 122}};
    for (const row& r : rows) {
        SCOPED_TRACE(r.id);
        const auto b = coristal.bitmap(r.id, 0x040C);
        ASSERT_TRUE(b.has_value());
        EXPECT_EQ(b->language, 0x040C);
        EXPECT_EQ(b->width, r.width);
        EXPECT_EQ(b->height, r.height);
        EXPECT_EQ(b->bits_per_pixel, 8);
        EXPECT_EQ(b->palette_entries, 256);
        EXPECT_EQ(b->compression, 0u);
        auto colour = [&](int x, int y) {
            return b->palette[b->pixels[static_cast<std::size_t>(y * b->width + x)]] & 0xFFFFFF;
        };
        EXPECT_EQ(colour(0, 0), 0u);
        EXPECT_EQ(colour(r.width - 1, r.height - 1), 0u);
        // Whatever is not black is artwork, never a colour the host makes transparent.
        int artwork = 0;
        for (std::uint8_t index : b->pixels) artwork += (b->palette[index] & 0xFFFFFF) != 0;
        EXPECT_GT(artwork, r.width * r.height / 4);
    }
    // The housing is black above and below its body.
    const auto housing_bitmap = coristal.bitmap(256, 0x040C);
    for (int y : {0, 370})
        for (int x = 0; x < 303; ++x)
            ASSERT_EQ(housing_bitmap->pixels[static_cast<std::size_t>(y * 303 + x)], 0) << x << "," << y;
}

TEST_F(ThrottleTest, EachLeverBitmapIsTheLeverLabelledWithItsNumber) {
    // The generator draws lever n, labelled n, into lever_n.bmp; lever 4 is
    // bitmap 8192, the lowest of the four ids.
    const std::pair<ID32, int> levers[] = {{6400, 1}, {8448, 2}, {8704, 3}, {8192, 4}};
    for (const auto& [id, n] : levers) {
        SCOPED_TRACE(id);
        const std::string path = std::string(GAUGE_SOURCE_DIR) + "/resources/throttle/lever_" + std::to_string(n) + ".bmp";
        std::ifstream in(path, std::ios::binary);
        const std::vector<std::uint8_t> file{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
        ASSERT_GT(file.size(), 14u) << path;
        const emu::Bitmap drawn = emu::detail::parse_dib(file.data() + 14, file.size() - 14, id, 0, path);
        EXPECT_EQ(coristal.bitmap(id, 0x040C)->pixels, drawn.pixels);
    }
    EXPECT_NE(coristal.bitmap(6400, 0x040C)->pixels, coristal.bitmap(8192, 0x040C)->pixels);
}

// ---------------------------------------------------------------- levers

TEST_F(ThrottleTest, LeversStandWhereTheirEnginesThrottleIs) {
    emu::Gauge& g = host->install(coristal, "coristal");
    struct row {
        double value;
        int top;
    };
    // 157 pixels over 16384 units, upwards: y = 192 at idle, 35 at full.
    const row rows[] = {{0, 192}, {16384, 35}, {8192, 113}, {4096, 153}};
    // Each lever gets a different row each time, so a lever reading another
    // engine's variable shows up.
    for (std::size_t shift = 0; shift < 4; ++shift) {
        for (int n = 1; n <= 4; ++n) host->set_number(throttle_tokens[n - 1], rows[(n + shift) % 4].value);
        host->frame();
        for (int n = 1; n <= 4; ++n) {
            const row& r = rows[(n + shift) % 4];
            SCOPED_TRACE(testing::Message() << "lever " << n << " at " << r.value);
            const emu::ElementState& st = g.element(lever(n));
            EXPECT_EQ(st.placed.y, r.top);
            EXPECT_EQ(st.placed.x, 4 + 50 * n) << "never sideways";
            EXPECT_EQ(st.value, r.value);
            EXPECT_FALSE(st.hidden);
            ASSERT_NE(st.bitmap, nullptr);
            EXPECT_EQ(st.bitmap->id, st.element->resource_id);
        }
    }
    EXPECT_EQ(g.element(housing).placed.y, 0);
}

TEST_F(ThrottleTest, LeverCallbacksSetFlag4AndReturnTheirAxissOwnValue) {
    emu::Gauge& g = host->install(coristal, "coristal");
    EXPECT_EQ(slider(g, 1)->header.image_flags, 0x83u) << "untouched before the first update";
    host->frame();
    for (int n = 1; n <= 4; ++n) EXPECT_EQ(slider(g, n)->header.image_flags, 0x87u) << n;
    EXPECT_EQ(g.element(housing).element->image_flags, 0x83u);

    // Called directly: each callback sets the bit whatever the flags held,
    // and returns the source value of its own axis unchanged.
    for (int n = 1; n <= 4; ++n) {
        SCOPED_TRACE(n);
        ELEMENT_SLIDER* s = slider(g, n);
        s->source_var_x.var_value.n = 3.25;
        s->source_var_y.var_value.n = -1234.5;
        s->header.image_flags = 0;
        EXPECT_EQ(s->update_x(s), 3.25);
        EXPECT_EQ(s->header.image_flags, 0x4u);
        s->header.image_flags = 0xFFFFFFFBu;
        EXPECT_EQ(s->update_y(s), -1234.5);
        EXPECT_EQ(s->header.image_flags, 0xFFFFFFFFu);
        s->header.image_flags = 0x83;
    }
    host->frames(3);  // no callback ever clears it
    for (int n = 1; n <= 4; ++n) EXPECT_EQ(slider(g, n)->header.image_flags, 0x87u) << n;
    EXPECT_TRUE(host->take_events().empty()) << "element callbacks send nothing";
}

// ---------------------------------------------------------------- clicks

TEST_F(ThrottleTest, AClickSendsOnlyItsLeversEventWithTheHeightFormula) {
    emu::Gauge& g = host->install(coristal, "coristal");
    host->take_events();
    struct row {
        int y;
        std::uint32_t value;
    };
    const row rows[] = {{100, 0}, {150, static_cast<std::uint32_t>(-5000)}, {247, static_cast<std::uint32_t>(-14700)},
                        {7, 9300}};
    // Two points of different x inside each area, in background pixels.
    const int xs[4][2] = {{58, 87}, {116, 140}, {158, 182}, {202, 227}};
    for (int n = 1; n <= 4; ++n)
        for (const row& r : rows)
            for (int x : xs[n - 1]) {
                SCOPED_TRACE(testing::Message() << "lever " << n << " x " << x << " y " << r.y);
                ASSERT_TRUE(host->click(g, x, r.y));
                EXPECT_THAT(host->take_events(), ElementsAre(sent(throttle_events[n - 1], r.value)));
            }
    EXPECT_FALSE(host->click(g, 100, 100)) << "between the lever areas";
    EXPECT_TRUE(host->take_events().empty());
}

TEST_F(ThrottleTest, TheFormulaHoldsForEveryHeightAndIgnoresXAndFlags) {
    host->install(coristal, "coristal");
    host->take_events();
    const MOUSERECT* areas = header()->mouse_rect + 1;
    constexpr std::int32_t lowest = std::numeric_limits<std::int32_t>::min();
    constexpr std::int32_t highest = std::numeric_limits<std::int32_t>::max();
    // Heights the host may pass as they are, outside the areas too, with the
    // word 100 * (100 - y) the host receives; the extremes overflow 32 bits
    // and must wrap as two's complement words, not misbehave.
    const struct {
        std::int32_t y;
        std::uint32_t word;
    } heights[] = {{0, 10000},      {-1, 10100},          {21474936, 0x80000030}, {lowest, 10000},
                   {lowest + 100, 0}, {highest, 10100}, {highest - 99, 20000}};
    const PIXPOINT others[] = {{0, 0}, {-5, 0}, {100000, 0}};
    const FLAGS32 flags[] = {0, MOUSE_LEFTSINGLE, MOUSE_MOVE_HELD, 0xFFFFFFFF};
    for (int n = 1; n <= 4; ++n)
        for (const auto& h : heights)
            for (std::size_t i = 0; i < std::size(others); ++i) {
                SCOPED_TRACE(testing::Message() << "lever " << n << " y " << h.y);
                PIXPOINT point{others[i].x, h.y};
                EXPECT_EQ(areas[n - 1].mouse_function(&point, flags[i % std::size(flags)]), 0);
                EXPECT_EQ(point.y, h.y) << "the point is left as it is";
                EXPECT_THAT(host->take_events(), ElementsAre(sent(throttle_events[n - 1], h.word)));
            }
}

TEST_F(ThrottleTest, DraggingWithTheButtonHeldSetsTheThrottleToo) {
    emu::Gauge& g = host->install(coristal, "coristal");
    host->take_events();
    EXPECT_TRUE(host->drag(g, 170, 60));
    EXPECT_THAT(host->take_events(), ElementsAre(sent(0x1011E, 4000)));
}

TEST_F(ThrottleTest, AClickMovesTheLeverOnTheNextFrame) {
    emu::Gauge& g = host->install(coristal, "coristal");
    host->frame();
    ASSERT_TRUE(host->click(g, 120, 20));  // lever 2: 8000 units
    EXPECT_EQ(host->number(0xA3), 8000.0) << "the host applied the event";
    EXPECT_EQ(g.element(lever(2)).placed.y, 192) << "nothing moves at the click itself";
    host->frame();
    EXPECT_EQ(g.element(lever(2)).placed.y, 115);  // 192 - 8000 * 157 / 16384, rounded
    for (int n : {1, 3, 4}) EXPECT_EQ(g.element(lever(n)).placed.y, 192) << n;
}

TEST_F(ThrottleTest, TheHostClampsThrottleValuesToTheLeversRange) {
    emu::Gauge& g = host->install(coristal, "coristal");
    host->set_number(0xC6, 9000);
    ASSERT_TRUE(host->click(g, 170, 150));  // lever 3: -5000, below idle
    host->frame();
    EXPECT_EQ(host->number(0xC6), 0.0);
    EXPECT_EQ(g.element(lever(3)).placed.y, 192);
    PIXPOINT above{0, -100};  // 20000, beyond full
    header()->mouse_rect[4].mouse_function(&above, MOUSE_LEFTSINGLE);
    host->frame();
    EXPECT_EQ(host->number(0xE9), 16384.0);
    EXPECT_EQ(g.element(lever(4)).placed.y, 35);
}
