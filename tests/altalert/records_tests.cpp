// belvane's static records as the host reads them: linkage, gauge header,
// the two elements, the mouse list it hands over, and its bitmaps.
#include <algorithm>
#include <set>

#include "alert_fixture.h"

using ::testing::ElementsAre;

TEST_F(AlertTest, LinkageListsTheOneGaugeAndTheImportTableIsTheHosts) {
    const GAUGESLINKAGE& l = belvane.linkage();
    EXPECT_EQ(l.module_id, 0x13u);
    EXPECT_NE(field(l.module_init), nullptr);
    EXPECT_NE(field(l.module_deinit), nullptr);
    EXPECT_EQ(l.flags, 0u);
    EXPECT_EQ(l.module_version, 0u);
    EXPECT_EQ(l.sim_version, 0u);
    EXPECT_EQ(field(l.gauge_header_ptr[0]), belvane.gauge("belvane").header);
    EXPECT_EQ(field(l.gauge_header_ptr[1]), nullptr);
    EXPECT_EQ(belvane.import_table().panels.id, 0x0Fu);
    EXPECT_EQ(belvane.import_table().end.id, 0u);
    EXPECT_EQ(field(belvane.import_table().end.services), nullptr);
}

TEST_F(AlertTest, HeaderIsVersion610WithItsRoutinesAndNoMouseListOrCallback) {
    const GAUGEHDR& h = *belvane.gauge("belvane").header;
    EXPECT_EQ(h.gauge_header_version, 610u);
    EXPECT_STREQ(h.gauge_name, "belvane");
    EXPECT_EQ(field(h.elements_list[1]), nullptr);
    const bool every_routine = h.query_routine != nullptr && h.install_routine != nullptr &&
                               h.initialize_routine != nullptr && h.update_routine != nullptr &&
                               h.generate_routine != nullptr && h.draw_routine != nullptr && h.kill_routine != nullptr;
    EXPECT_TRUE(every_routine);
    EXPECT_EQ(h.size_x_mm, 100u);
    EXPECT_EQ(h.size_y_mm, 0u);
    EXPECT_EQ(field(h.mouse_rect), nullptr);
    EXPECT_EQ(field(h.gauge_callback), nullptr);
}

// Read before install, while the records hold only what the module wrote.
TEST_F(AlertTest, CanvasAndLightAreDeclaredAsTheirTableSays) {
    GAUGEHDR* h = belvane.gauge("belvane").header;
    const auto* canvas_record = reinterpret_cast<const ELEMENT_STATIC_IMAGE*>(h->elements_list[0]);
    ASSERT_NE(field(canvas_record->header.next_element), nullptr);
    const auto* light_record = reinterpret_cast<const ELEMENT_ICON*>(canvas_record->header.next_element[0]);
    EXPECT_EQ(field(canvas_record->header.next_element[1]), nullptr);

    struct element_case {
        const char* name;
        const ELEMENT_HEADER& e;
        ENUM32 type;
        ID32 bitmap;
        PIXPOINT position;
        FLAGS32 flags;
    } cases[] = {
        {"alert_canvas", canvas_record->header, ELEMENT_TYPE_STATIC_IMAGE, 4096, {0, 0}, 0x1},
        {"alert_light", light_record->header, ELEMENT_TYPE_ICON, 4099, {2, 2}, 0x6},
    };
    for (const element_case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.e.element_type, c.type);
        EXPECT_EQ(c.e.resource_id, c.bitmap);
        EXPECT_EQ(c.e.position.x, c.position.x);
        EXPECT_EQ(c.e.position.y, c.position.y);
        EXPECT_EQ(c.e.previous_position.x | c.e.previous_position.y | c.e.ofs.x | c.e.ofs.y, 0);
        EXPECT_EQ(field(c.e.gauge_header), h);
        EXPECT_EQ(field(c.e.previous_element), nullptr);
        EXPECT_EQ(c.e.image_flags, c.flags);
        EXPECT_EQ(c.e.aircraft_special_instrumentation, 0u);
        EXPECT_EQ(c.e.reserved, 0u);
    }
    EXPECT_EQ(field(canvas_record->header.failure_systems), nullptr);
    EXPECT_EQ(field(canvas_record->image_data), nullptr);
    EXPECT_EQ(field(light_record->header.next_element), nullptr);

    const FAILURE_RECORD* f = light_record->header.failure_systems;
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(f[0].key, 1u);
    EXPECT_EQ(f[0].action, 3u);
    EXPECT_EQ(f[0].reserved, 0u);
    EXPECT_EQ(f[1].key | f[1].action | f[1].reserved, 0u);

    EXPECT_EQ(light_record->source_var.id, 0u);
    EXPECT_EQ(field(light_record->update_callback.variable), nullptr);
    EXPECT_EQ(light_record->frame_count, 1u);
}

TEST_F(AlertTest, MouseListIsAnEmptyParentThatTakesNoClick) {
    emu::Gauge& g = install();
    ASSERT_TRUE(g.mouse_registered());
    const MOUSERECT* m = g.mouse_list();
    std::vector<ENUM32> kinds;
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        kinds.push_back(m[i].rect_type);
        EXPECT_EQ(m[i].relative_box.x | m[i].relative_box.y | m[i].relative_box.width | m[i].relative_box.height, 0);
        EXPECT_EQ(m[i].cursor, CURSOR_NONE);
        EXPECT_EQ(m[i].help_id | m[i].mouse_flags | m[i].event_id, 0u);
        EXPECT_EQ(field(m[i].mouse_function), nullptr);
    }
    EXPECT_THAT(kinds, ElementsAre(MOUSE_RECT_PARENT, MOUSE_RECT_END_PARENT, MOUSE_RECT_EOL));

    host->set_number(altitude, 10500.0);
    host->set_number(selected_altitude, 10000.0);
    host->frame();
    const FLAGS32 before = light_flags(g);
    for (const PIXPOINT p : {PIXPOINT{0, 0}, PIXPOINT{50, 25}, PIXPOINT{99, 49}}) EXPECT_FALSE(host->click(g, p.x, p.y));
    host->frame();
    EXPECT_TRUE(host->events().empty());
    EXPECT_EQ(light_flags(g), before);
}

TEST_F(AlertTest, BitmapsAreABlackCanvasAndAnAmberLightWithoutBlack) {
    std::vector<ID32> ids;
    for (const emu::Bitmap& b : belvane.bitmaps()) {
        ids.push_back(b.id);
        EXPECT_EQ(b.language, 0x040C) << b.id;
        EXPECT_EQ(b.bits_per_pixel, 8) << b.id;
        EXPECT_EQ(b.palette_entries, 256) << b.id;
        EXPECT_EQ(b.compression, 0u) << b.id;
    }
    EXPECT_THAT(ids, ElementsAre(4096u, 4099u));

    const emu::Bitmap canvas_bitmap = *belvane.bitmap(4096, 0x040C);
    EXPECT_EQ(canvas_bitmap.width, 100);
    EXPECT_EQ(canvas_bitmap.height, 50);
    EXPECT_TRUE(std::all_of(canvas_bitmap.pixels.begin(), canvas_bitmap.pixels.end(),
                            [&](std::uint8_t i) { return canvas_bitmap.palette[i] == 0x000000; }));

    const emu::Bitmap light_bitmap = *belvane.bitmap(4099, 0x040C);
    EXPECT_EQ(light_bitmap.width, 96);
    EXPECT_EQ(light_bitmap.height, 46);
    std::set<std::uint32_t> colours;
    for (std::uint8_t i : light_bitmap.pixels) colours.insert(light_bitmap.palette[i]);
    EXPECT_FALSE(colours.contains(0x000000)) << "a black pixel would turn transparent";
    EXPECT_TRUE(colours.contains(0xFCAA34)) << "amber letters";
    EXPECT_TRUE(colours.contains(0x040604)) << "near-black face";
}
