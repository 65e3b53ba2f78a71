// The records the module declares, checked field by field against the
// table of readouts: linkage, headers, element trees, failure lists, mouse
// lists and the background bitmap.
#include <gmock/gmock.h>

#include <cstring>

#include "readouts_fixture.h"

using readouts::gauge_table;
using readouts::gauge_row;
using readouts::style;

// The records are packed to 4 bytes as the 32-bit host lays them out, so
// on 64-bit builds their pointer fields may sit off their natural
// alignment: the checks compare copies (unary +), never references to them.

namespace {

std::vector<std::pair<ENUM32, ENUM32>> failures_of(const FAILURE_RECORD* list) {
    std::vector<std::pair<ENUM32, ENUM32>> out;
    if (list == nullptr) {
        ADD_FAILURE() << "no failure list";
        return out;
    }
    for (; list->key != 0 || list->action != 0 || list->reserved != 0; ++list) {
        EXPECT_EQ(list->reserved, 0u);
        out.emplace_back(list->key, list->action);
    }
    return out;
}

std::vector<std::pair<ENUM32, ENUM32>> expected_failures(const gauge_row& row) {
    std::vector<std::pair<ENUM32, ENUM32>> out;
    for (const readouts::failure& f : row.failures) out.emplace_back(f.key, f.action);
    return out;
}

}  // namespace

TEST_F(ReadoutsTest, LinkageListsTheFourteenHeadersInOrderThenNull) {
    const GAUGESLINKAGE& linkage = tarnwick.linkage();
    EXPECT_EQ(linkage.module_id, 0x13u);
    EXPECT_NE(+linkage.module_init, nullptr);
    EXPECT_NE(+linkage.module_deinit, nullptr);
    EXPECT_EQ(linkage.flags, 0u);
    EXPECT_EQ(linkage.module_version, 0u);
    EXPECT_EQ(linkage.sim_version, 0u);
    ASSERT_EQ(tarnwick.gauges().size(), gauge_table().size());
    for (std::size_t i = 0; i < gauge_table().size(); ++i) {
        EXPECT_EQ(tarnwick.gauges()[i].name, gauge_table()[i].name);
        EXPECT_EQ(+linkage.gauge_header_ptr[i], tarnwick.gauges()[i].header);
    }
    EXPECT_EQ(+linkage.gauge_header_ptr[gauge_table().size()], nullptr);
    EXPECT_EQ(tarnwick.import_table().panels.id, 0x0Fu);
    EXPECT_EQ(tarnwick.import_table().end.id, 0u);
    EXPECT_EQ(+tarnwick.import_table().end.services, nullptr);
}

TEST_F(ReadoutsTest, EveryHeaderIsVersion700WithAFullRoutineSetOfItsOwn) {
    std::vector<const void*> routines_seen;
    for (const gauge_row& row : gauge_table()) {
        SCOPED_TRACE(row.name);
        const emu::GaugeInfo& info = tarnwick.gauge(row.name);
        const GAUGEHDR& h = *info.header;
        EXPECT_EQ(h.gauge_header_version, 700u);
        EXPECT_STREQ(h.gauge_name, row.name);
        EXPECT_EQ(h.size_x_mm, 100u);
        EXPECT_EQ(h.size_y_mm, 0u);
        EXPECT_EQ(+h.gauge_callback, nullptr);
        EXPECT_EQ(info.header_mouse_list, row.help_id != 0);
        const void* routines[] = {reinterpret_cast<const void*>(h.query_routine),
                                  reinterpret_cast<const void*>(h.install_routine),
                                  reinterpret_cast<const void*>(h.initialize_routine),
                                  reinterpret_cast<const void*>(h.update_routine),
                                  reinterpret_cast<const void*>(h.generate_routine),
                                  reinterpret_cast<const void*>(h.draw_routine),
                                  reinterpret_cast<const void*>(h.kill_routine)};
        for (const void* r : routines) {
            EXPECT_NE(r, nullptr);
            routines_seen.push_back(r);
        }
        ASSERT_NE(+h.elements_list, nullptr);
        EXPECT_NE(+h.elements_list[0], nullptr);
        EXPECT_EQ(+h.elements_list[1], nullptr);
    }
    // Bound to one gauge each: no routine is shared between two headers.
    std::sort(routines_seen.begin(), routines_seen.end());
    EXPECT_EQ(std::adjacent_find(routines_seen.begin(), routines_seen.end()), routines_seen.end());
}

TEST_F(ReadoutsTest, EveryTreeIsTheBackgroundWithOneTextChild) {
    for (const gauge_row& row : gauge_table()) {
        SCOPED_TRACE(row.name);
        GAUGEHDR* h = tarnwick.gauge(row.name).header;
        const ELEMENT_HEADER& root = *h->elements_list[0];
        EXPECT_EQ(root.element_type, ELEMENT_TYPE_STATIC_IMAGE);
        EXPECT_EQ(root.resource_id, 4096u);
        EXPECT_EQ(root.position.x, 0);
        EXPECT_EQ(root.position.y, 0);
        EXPECT_EQ(+root.gauge_header, h);
        EXPECT_EQ(+root.failure_systems, nullptr);
        EXPECT_EQ(root.image_flags, 0x1u);
        EXPECT_EQ(+root.previous_element, nullptr);
        EXPECT_EQ(root.aircraft_special_instrumentation, 0u);
        ASSERT_NE(+root.next_element, nullptr);
        ASSERT_NE(+root.next_element[0], nullptr);
        EXPECT_EQ(+root.next_element[1], nullptr);

        const auto& text = *reinterpret_cast<const ELEMENT_STRING*>(root.next_element[0]);
        EXPECT_EQ(text.header.element_type, ELEMENT_TYPE_STRING);
        EXPECT_EQ(text.header.resource_id, 0xFFFFFFFFu);
        EXPECT_EQ(text.header.position.x, 2);
        EXPECT_EQ(text.header.position.y, 2);
        EXPECT_EQ(+text.header.gauge_header, h);
        EXPECT_EQ(+text.header.next_element, nullptr);
        EXPECT_EQ(text.header.image_flags, 0x6u);
        EXPECT_EQ(failures_of(text.header.failure_systems), expected_failures(row));
        for (std::size_t slot = 0; slot < 3; ++slot) EXPECT_EQ(text.source_var[slot].id, row.tokens[slot]);
        EXPECT_NE(+text.update_callback.element, nullptr);
        EXPECT_EQ(text.box_width, 57);
        EXPECT_EQ(text.box_height, 27);
        const bool grey = row.colours == style::grey;
        EXPECT_EQ(text.fg_color, grey ? 0xC0C0C0u : 0xFFu);
        EXPECT_EQ(text.bg_color, grey ? 0x202020u : 0u);
        EXPECT_EQ(text.hilite_color, 0x5C5C5Cu);
        EXPECT_STREQ(text.font_face, "Courier New");
        EXPECT_EQ(text.font_weight, 400);
        EXPECT_EQ(text.font_charset, 1u);
        EXPECT_EQ(text.draw_text_flags, 0x25u);
        EXPECT_EQ(text.char_count, row.characters);
        EXPECT_EQ(+text.string, nullptr);  // the host's, from install on
        EXPECT_EQ(+text.highlight_list, nullptr);
    }
}

TEST_F(ReadoutsTest, EveryMouseListButGpsGroundSpeedsIsOneTooltipArea) {
    for (const gauge_row& row : gauge_table()) {
        SCOPED_TRACE(row.name);
        const MOUSERECT* list = tarnwick.gauge(row.name).header->mouse_rect;
        if (row.help_id == 0) {
            EXPECT_EQ(list, nullptr);
            continue;
        }
        ASSERT_NE(list, nullptr);
        const ENUM32 kinds[] = {MOUSE_RECT_PARENT, MOUSE_RECT_END_PARENT, MOUSE_RECT_EOL};
        const ID32 help_ids[] = {row.help_id, 0, 0};
        for (std::size_t i = 0; i < 3; ++i) {
            SCOPED_TRACE(i);
            const MOUSERECT& r = list[i];
            EXPECT_EQ(r.rect_type, kinds[i]);
            EXPECT_EQ(r.relative_box.x, 0);
            EXPECT_EQ(r.relative_box.y, 0);
            EXPECT_EQ(r.relative_box.width, 0);
            EXPECT_EQ(r.relative_box.height, 0);
            EXPECT_EQ(r.cursor, 0xFFFFFFFFu);
            EXPECT_EQ(r.help_id, help_ids[i]);
            EXPECT_EQ(r.mouse_flags, 0u);
            EXPECT_EQ(r.event_id, 0u);
            EXPECT_EQ(+r.mouse_function, nullptr);
            EXPECT_EQ(+r.api_data, nullptr);
        }
    }
}

TEST_F(ReadoutsTest, EachGaugeOwnsItsRecords) {
    std::vector<const void*> records;
    for (const gauge_row& row : gauge_table()) {
        const GAUGEHDR* h = tarnwick.gauge(row.name).header;
        const ELEMENT_HEADER* root = h->elements_list[0];
        records.push_back(root);
        records.push_back(root->next_element[0]);
        records.push_back(root->next_element[0]->failure_systems);
        if (h->mouse_rect != nullptr) records.push_back(h->mouse_rect);
    }
    std::sort(records.begin(), records.end());
    EXPECT_EQ(std::adjacent_find(records.begin(), records.end()), records.end());
}

TEST_F(ReadoutsTest, TheOneBitmapIsA60By30BlackBackground) {
    const std::vector<emu::Bitmap> all = tarnwick.bitmaps();
    ASSERT_EQ(all.size(), 1u);
    const emu::Bitmap& b = all.front();
    EXPECT_EQ(b.id, 4096u);
    EXPECT_EQ(b.width, 60);
    EXPECT_EQ(b.height, 30);
    EXPECT_EQ(b.bits_per_pixel, 8);
    ASSERT_EQ(b.palette.size(), 256u);
    EXPECT_EQ(b.palette[0] & 0xFFFFFFu, 0u);
    ASSERT_EQ(b.pixels.size(), 60u * 30u);
    EXPECT_TRUE(std::all_of(b.pixels.begin(), b.pixels.end(), [](std::uint8_t p) { return p == 0; }));
}
