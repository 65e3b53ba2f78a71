// What the radio stack declares to the host: header and linkage, the
// element tree, the mouse list, the routine set, the bitmaps and how the
// face's artwork lines up with the text and mouse boxes.
#include <gmock/gmock.h>

#include <cstring>
#include <string>

#include "radio_fixture.h"

using namespace radio;
using ::testing::ElementsAre;
using ::testing::ElementsAreArray;

namespace {

std::vector<std::string> service_names(const std::vector<emu::ServiceCall>& calls) {
    std::vector<std::string> names;
    for (const emu::ServiceCall& c : calls) names.push_back(c.service);
    return names;
}

std::vector<std::array<std::uint32_t, 3>> failures_of(const ELEMENT_HEADER* e) {
    std::vector<std::array<std::uint32_t, 3>> out;
    for (const FAILURE_RECORD* f = e->failure_systems; f != nullptr; ++f) {
        out.push_back({f->key, f->action, f->reserved});
        if (f->key == 0 && f->action == 0) break;
    }
    return out;
}

std::vector<std::array<int, 3>> highlights_of(const ELEMENT_STRING* s) {
    std::vector<std::array<int, 3>> out;
    for (const HIGHLIGHT_RECORD* h = s->highlight_list; h != nullptr; ++h) {
        out.push_back({h->selection_id, h->first_char, h->last_char});
        if (h->selection_id == 0 && h->first_char == 0 && h->last_char == 0) break;
    }
    return out;
}

// A field of a packed host record, copied out: on 64-bit builds its
// pointers may lie off their natural alignment, where no reference may bind.
template <typename T>
T copy(T field) {
    return field;
}

using Failures = std::vector<std::array<std::uint32_t, 3>>;
const Failures list_p = {{1, 3, 0}, {0, 0, 0}};
Failures radio_list(std::uint32_t key) { return {{1, 3, 0}, {key, 1, 0}, {0, 0, 0}}; }

}  // namespace

TEST_F(RadioTest, HeaderAndLinkage) {
    const GAUGESLINKAGE& l = radio_module.linkage();
    EXPECT_EQ(l.module_id, 0x13u);
    EXPECT_NE(copy(l.module_init), nullptr);
    EXPECT_NE(copy(l.module_deinit), nullptr);
    EXPECT_EQ(l.flags, 0u);
    EXPECT_EQ(l.module_version, 0u);
    EXPECT_EQ(l.sim_version, 0u);
    ASSERT_NE(copy(l.gauge_header_ptr[0]), nullptr);
    EXPECT_EQ(copy(l.gauge_header_ptr[1]), nullptr);

    const GAUGEHDR& h = *l.gauge_header_ptr[0];
    EXPECT_EQ(h.gauge_header_version, 610u);
    EXPECT_STREQ(copy(h.gauge_name), "halbrook");
    ELEMENT_HEADER** elements = copy(h.elements_list);
    EXPECT_EQ(elements[0], gauge->element(element::face).element);
    EXPECT_EQ(elements[1], nullptr);
    const bool every_routine = copy(h.query_routine) && copy(h.install_routine) && copy(h.initialize_routine) &&
                               copy(h.update_routine) && copy(h.generate_routine) && copy(h.draw_routine) &&
                               copy(h.kill_routine);
    EXPECT_TRUE(every_routine);
    EXPECT_EQ(h.size_x_mm, 140u);
    EXPECT_EQ(h.size_y_mm, 0u);
    EXPECT_EQ(copy(h.mouse_rect), nullptr) << "the install routine hands the mouse list over itself";
    EXPECT_EQ(copy(h.gauge_callback), nullptr);
}

TEST_F(RadioTest, ElementTreeInOrder) {
    const struct {
        ENUM32 type;
        ID32 bitmap;
        PIXPOINT position;
        FLAGS32 image_flags;
        Failures failures;
    } expected[] = {
        {ELEMENT_TYPE_STATIC_IMAGE, 4096, {0, 0}, 1, {}},
        {ELEMENT_TYPE_ICON, 8192, {15, 7}, 7, list_p},
        {ELEMENT_TYPE_ICON, 8192, {15, 35}, 7, list_p},
        {ELEMENT_TYPE_ICON, 8192, {15, 63}, 7, list_p},
        {ELEMENT_TYPE_STATIC_IMAGE, 5376, {0, 0}, 5, list_p},
        {ELEMENT_TYPE_STRING, RESOURCE_NONE, {22, 12}, 6, radio_list(0x0E)},
        {ELEMENT_TYPE_STRING, RESOURCE_NONE, {151, 12}, 6, radio_list(0x0E)},
        {ELEMENT_TYPE_STRING, RESOURCE_NONE, {22, 40}, 6, radio_list(0x0F)},
        {ELEMENT_TYPE_STRING, RESOURCE_NONE, {151, 40}, 6, radio_list(0x0F)},
        {ELEMENT_TYPE_STRING, RESOURCE_NONE, {21, 68}, 6, radio_list(0x05)},
        {ELEMENT_TYPE_STRING, RESOURCE_NONE, {150, 68}, 6, radio_list(0x05)},
        {ELEMENT_TYPE_STRING, RESOURCE_NONE, {22, 96}, 6, radio_list(0x09)},
        {ELEMENT_TYPE_STRING, RESOURCE_NONE, {151, 96}, 6, radio_list(0x09)},
        {ELEMENT_TYPE_STRING, RESOURCE_NONE, {51, 124}, 6, radio_list(0x11)},
        {ELEMENT_TYPE_STRING, RESOURCE_NONE, {22, 152}, 6, list_p},
        {ELEMENT_TYPE_STRING, RESOURCE_NONE, {171, 152}, 6, list_p},
    };
    const auto& elements = gauge->elements();
    ASSERT_EQ(elements.size(), std::size(expected));
    const GAUGEHDR* header = radio_module.linkage().gauge_header_ptr[0];
    for (std::size_t i = 0; i < elements.size(); ++i) {
        const ELEMENT_HEADER* e = elements[i].element;
        SCOPED_TRACE("element " + std::to_string(i));
        EXPECT_EQ(e->element_type, expected[i].type);
        EXPECT_EQ(e->resource_id, expected[i].bitmap);
        EXPECT_EQ(e->position.x, expected[i].position.x);
        EXPECT_EQ(e->position.y, expected[i].position.y);
        EXPECT_EQ(e->image_flags, expected[i].image_flags);
        EXPECT_EQ(copy(e->gauge_header), header);
        EXPECT_EQ(e->aircraft_special_instrumentation, 0u);
        EXPECT_EQ(e->reserved, 0u);
        EXPECT_EQ(failures_of(e), expected[i].failures);
        EXPECT_EQ(copy(e->next_element) != nullptr, i == 0) << "only the face has children";
        if (e->element_type == ELEMENT_TYPE_ICON) {
            const auto* icon = reinterpret_cast<const ELEMENT_ICON*>(e);
            EXPECT_EQ(icon->frame_count, 2u);
            EXPECT_NE(copy(icon->update_callback.variable), nullptr);
        }
    }
    EXPECT_EQ(reinterpret_cast<const ELEMENT_ICON*>(elements[1].element)->source_var.id, 0x1Au);
    EXPECT_EQ(reinterpret_cast<const ELEMENT_ICON*>(elements[2].element)->source_var.id, 0x1Du);
    EXPECT_EQ(reinterpret_cast<const ELEMENT_ICON*>(elements[3].element)->source_var.id, 0x15u);
}

// The eleven text windows. Character counts hold the longest text each
// callback can write (the frequency texts are six characters; the others
// are sized for any value the host may deliver).
TEST_F(RadioTest, TextElementsAsDeclared) {
    constexpr COLOR32 yellow = 0x0000FFFF, orange = 0x000080FF;
    const struct {
        std::size_t element;
        int width, height;
        std::array<ID32, 3> tokens;
        std::uint32_t chars;
        COLOR32 highlight;
        std::vector<std::array<int, 3>> highlights;
    } expected[] = {
        {element::nav1_active, 60, 18, {0x18, 0, 0}, 6, yellow, {{6, 0, 2}, {7, 4, 5}, {0, 0, 0}}},
        {element::nav1_standby, 60, 18, {0, 0, 0}, 6, orange, {}},
        {element::nav2_active, 60, 18, {0x1B, 0, 0}, 6, yellow, {{8, 0, 2}, {9, 4, 5}, {0, 0, 0}}},
        {element::nav2_standby, 60, 18, {0, 0, 0}, 6, orange, {}},
        {element::adf_active, 48, 18, {0x10, 0x11, 0x12}, 7, yellow, {{19, 0, 1}, {20, 2, 2}, {21, 3, 5}, {0, 0, 0}}},
        {element::adf_standby, 48, 18, {0, 0, 0}, 6, orange, {}},
        {element::com_active, 60, 18, {0x17, 0, 0}, 6, yellow, {{4, 0, 2}, {5, 4, 5}, {0, 0, 0}}},
        {element::com_standby, 60, 18, {0, 0, 0}, 6, orange, {}},
        {element::xpndr, 60, 18, {0x26, 0, 0}, 6, yellow, {{10, 0, 0}, {11, 1, 1}, {12, 2, 2}, {13, 3, 3}, {0, 0, 0}}},
        {element::clock, 90, 18, {0x03, 0x04, 0x05}, 9, orange, {}},
        {element::sim_rate, 40, 18, {0x150, 0, 0}, 6, yellow, {{23, 0, 3}, {0, 0, 0}}},
    };
    for (const auto& x : expected) {
        const auto* s = reinterpret_cast<const ELEMENT_STRING*>(gauge->element(x.element).element);
        SCOPED_TRACE("element " + std::to_string(x.element));
        EXPECT_EQ(s->box_width, x.width);
        EXPECT_EQ(s->box_height, x.height);
        for (std::size_t v = 0; v < 3; ++v) EXPECT_EQ(s->source_var[v].id, x.tokens[v]) << "variable " << v;
        EXPECT_NE(copy(s->update_callback.value), nullptr);
        EXPECT_EQ(s->char_count, x.chars);
        EXPECT_EQ(s->fg_color, 0x0000FF00u);
        EXPECT_EQ(s->bg_color, 0x00000000u);
        EXPECT_EQ(s->hilite_color, x.highlight);
        EXPECT_EQ(std::string(s->font_face, strnlen(s->font_face, sizeof s->font_face)), "Quartz");
        EXPECT_EQ(s->font_face[sizeof s->font_face - 1], '\0');
        EXPECT_EQ(s->font_weight, 400);
        EXPECT_EQ(s->font_charset, 1u);
        EXPECT_EQ(s->draw_text_flags, 0x25u);
        EXPECT_EQ(highlights_of(s), x.highlights);
    }
}

TEST_F(RadioTest, MouseListAsDeclared) {
    const MOUSERECT* list = gauge->mouse_list();
    ASSERT_NE(list, nullptr);
    ASSERT_TRUE(gauge->mouse_registered());
    EXPECT_EQ(list[0].rect_type, MOUSE_RECT_PARENT);
    const PIXBOX whole = list[0].relative_box;
    EXPECT_EQ(whole.x | whole.y | whole.width | whole.height, 0) << "the parent is the whole gauge";
    EXPECT_EQ(list[0].cursor, CURSOR_NONE);
    EXPECT_EQ(list[0].help_id, 0u);
    EXPECT_EQ(list[0].mouse_flags, 0u);
    for (const Control& c : controls) {
        const MOUSERECT& r = list[c.child];
        SCOPED_TRACE(std::to_string(c.child) + ": " + c.name);
        EXPECT_EQ(r.rect_type, MOUSE_RECT_CHILD);
        EXPECT_EQ(r.relative_box.x, c.box.x);
        EXPECT_EQ(r.relative_box.y, c.box.y);
        EXPECT_EQ(r.relative_box.width, c.box.width);
        EXPECT_EQ(r.relative_box.height, c.box.height);
        EXPECT_EQ(r.cursor, c.cursor);
        EXPECT_EQ(r.help_id, 0u);
        EXPECT_EQ(r.mouse_flags, c.flags);
        EXPECT_EQ(r.event_id, c.event);
        EXPECT_EQ(copy(r.mouse_function) != nullptr, c.event == 0) << "an area names an event or a handler, not both";
    }
    EXPECT_EQ(list[56].rect_type, MOUSE_RECT_END_PARENT);
    EXPECT_EQ(list[56].cursor, CURSOR_NONE);
    EXPECT_EQ(list[57].rect_type, MOUSE_RECT_EOL);
    EXPECT_EQ(list[57].cursor, CURSOR_NONE);
}

// Each host-event area, clicked on the face, makes the host send its event.
TEST_F(RadioTest, HostEventAreasSendTheirEvents) {
    host->frame();
    for (const Control& c : controls) {
        if (c.event == 0) continue;
        const PIXPOINT p = centre(c);
        ASSERT_TRUE(host->click(*gauge, p.x, p.y)) << c.name;
        EXPECT_EQ(host->cursor_at(*gauge, p.x, p.y), c.cursor) << c.name;
        const auto events = host->take_events();
        ASSERT_EQ(events.size(), 1u) << c.name;
        const emu::HostEvent sent{.kind = emu::HostEvent::Kind::key_event,
                                  .origin = emu::HostEvent::Origin::mouse_area,
                                  .id = c.event,
                                  .value = 0};
        EXPECT_EQ(events[0], sent) << c.name;
    }
}

// Each handler area, clicked on the face, changes the window it belongs
// to and no other standby; its opposite half undoes the step.
TEST_F(RadioTest, HandlerAreasActOnTheirOwnWindow) {
    const std::array standbys = {element::nav1_standby, element::nav2_standby, element::adf_standby,
                                 element::com_standby};
    const struct {
        int child;
        std::size_t element;
        const char* shown;
        int undo;
    } cases[] = {
        {8, element::nav1_standby, "117.00", 9},  {9, element::nav1_standby, "109.00", 8},
        {10, element::nav1_standby, "108.97", 11}, {11, element::nav1_standby, "108.02", 10},
        {16, element::nav2_standby, "117.00", 17}, {17, element::nav2_standby, "109.00", 16},
        {18, element::nav2_standby, "108.97", 19}, {19, element::nav2_standby, "108.02", 18},
        {26, element::adf_standby, " 900", 27},    {27, element::adf_standby, " 300", 26},
        {28, element::adf_standby, " 290", 29},    {29, element::adf_standby, " 210", 28},
        {30, element::adf_standby, " 209", 31},    {31, element::adf_standby, " 201", 30},
        {36, element::com_standby, "136.00", 37},  {37, element::com_standby, "119.00", 36},
        {38, element::com_standby, "118.97", 39},  {39, element::com_standby, "118.02", 38},
    };
    host->frame();
    std::vector<std::string> start;
    for (std::size_t e : standbys) start.push_back(text(e));
    for (const auto& c : cases) {
        click_then_frame(c.child);
        for (std::size_t i = 0; i < standbys.size(); ++i) {
            const std::string wanted = standbys[i] == c.element ? c.shown : start[i];
            EXPECT_EQ(text(standbys[i]), wanted) << control(c.child).name << ", element " << standbys[i];
        }
        click_then_frame(c.undo);
        for (std::size_t i = 0; i < standbys.size(); ++i)
            EXPECT_EQ(text(standbys[i]), start[i]) << control(c.undo).name << ", element " << standbys[i];
    }
}

// Install hands the mouse list over after the element tree; kill takes the
// list back before the tree goes.
TEST_F(RadioTest, RoutineSetDrivesTheHostInOrder) {
    const MOUSERECT* list = gauge->mouse_list();
    const ELEMENT_HEADER* root = gauge->element(element::face).element;
    std::vector<std::string> install;
    for (const emu::ServiceCall& c : host->service_calls())
        if (c.service.rfind("element_list_", 0) == 0 || c.service.rfind("mouse_list_", 0) == 0) {
            install.push_back(c.service);
            EXPECT_EQ(c.subject, c.service.rfind("mouse", 0) == 0 ? static_cast<const void*>(list) : root) << c.service;
        }
    EXPECT_THAT(install, ElementsAre("element_list_install", "mouse_list_install", "mouse_list_register",
                                     "element_list_initialize"));

    host->clear_service_calls();
    host->frame();
    EXPECT_THAT(service_names(host->service_calls()),
                ElementsAre("element_list_update", "element_list_generate", "element_list_plot"));
    host->clear_service_calls();
    host->kill(*gauge);
    EXPECT_THAT(service_names(host->service_calls()), ElementsAre("mouse_list_unregister", "element_list_kill"));
    EXPECT_FALSE(gauge->mouse_registered());
    EXPECT_FALSE(host->click(*gauge, 225, 20)) << "no click reaches a killed gauge";
}

// The standby texts are rebuilt only when a standby moves; a new install
// while the module stays loaded gets fresh text buffers, so the standby
// windows must be written again, with the values kept.
TEST_F(RadioTest, ANewInstallShowsTheKeptStandbysAgain) {
    host->frame();
    click_then_frame(child::nav1_fract_up);
    click_then_frame(child::adf_units_up);
    ASSERT_EQ(text(element::nav1_standby), "108.02");
    host->kill(*gauge);
    gauge = &host->install(radio_module, "halbrook");
    host->frame();
    EXPECT_EQ(text(element::nav1_standby), "108.02");
    EXPECT_EQ(text(element::nav2_standby), "108.00");
    EXPECT_EQ(text(element::adf_standby), " 201");
    EXPECT_EQ(text(element::com_standby), "118.00");
    EXPECT_EQ(value(element::nav1_standby), 2.0) << "the click count lives with the module too";
}
