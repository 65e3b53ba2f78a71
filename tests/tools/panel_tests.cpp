// Panel configurations and whole panels: reading panel.cfg as designers
// write it (our sample and two hand-written aircraft panels, CRLF and LF),
// the malformed lines that stop it, finding modules as the simulator does,
// placeholders for gauges we do not have, boxes and points scaled between
// the window and each gauge, and the window drawn as the host draws it.
#include <gmock/gmock.h>

#include <filesystem>
#include <fstream>

#include "tools/bench/errors.h"
#include "tools/bench/panel.h"
#include "tools/bench/render.h"
#include "tools/bench/session.h"

namespace {

namespace fs = std::filesystem;
using ::testing::ElementsAre;
using ::testing::HasSubstr;

const std::string dist_panel = DIST_PANEL_CFG;
const std::string airliner = std::string(BENCH_PANELS_DIR) + "/airliner/panel/panel.cfg";
const std::string trainer = std::string(BENCH_PANELS_DIR) + "/trainer/panel.cfg";

std::vector<std::string> gauge_names(const bench::PanelWindow& w) {
    std::vector<std::string> out;
    for (const auto& g : w.gauges) out.push_back(g.key + "=" + g.module + "!" + g.gauge);
    return out;
}

TEST(PanelConfig, ReadsTheSamplePanel) {
    const bench::PanelConfig c = bench::read_panel_config(dist_panel);
    ASSERT_EQ(c.windows.size(), 2u);
    const bench::PanelWindow& main = c.windows[0];
    EXPECT_EQ(main.title, "Main Panel");
    EXPECT_EQ(main.width, 1024);
    EXPECT_EQ(main.height, 768);
    EXPECT_TRUE(main.visible);
    EXPECT_EQ(main.ident, "MAIN_PANEL");
    ASSERT_EQ(main.gauges.size(), 17u);
    const bench::PanelGaugeLine& radio = main.gauges[14];
    EXPECT_EQ(radio.key, "gauge14");
    EXPECT_EQ(radio.module + "!" + radio.gauge, "halbrook!halbrook");
    EXPECT_EQ(radio.x, 10);
    EXPECT_EQ(radio.y, 100);
    EXPECT_EQ(radio.width, 233);
    EXPECT_EQ(radio.height, 185);
    const bench::PanelWindow& fmc = c.windows[1];
    EXPECT_EQ(fmc.title, "FMC");
    EXPECT_FALSE(fmc.visible);
    EXPECT_EQ(fmc.ident_number(), 110u);
    EXPECT_TRUE(fmc.gauges.empty());
}

TEST(PanelConfig, ReadsAnAirlinerPanelWithCrlfAnyCaseAndSectionsItDoesNotDraw) {
    const bench::PanelConfig c = bench::read_panel_config(airliner);
    ASSERT_EQ(c.windows.size(), 4u) << "[VIEWS], [VCockpit01] and [Default View] are not windows";
    const bench::PanelWindow& main = c.windows[0];
    EXPECT_EQ(main.width, 640);
    EXPECT_EQ(main.position, 7);
    ASSERT_TRUE(main.background.has_value());
    EXPECT_EQ(main.background->r, 16);
    EXPECT_EQ(main.background->b, 24);
    EXPECT_THAT(gauge_names(main),
                ElementsAre("gauge00=B747!Attitude", "gauge01=tarnwick!Altitiude", "GAUGE02=tarnwick!VSpeed",
                            "gauge03=belvane!belvane", "gauge04=Boeing747-400!Engine_Display", "gauge05=tarnwick!NoSuchReadout",
                            "gauge06=tarnwick!Clock"));
    EXPECT_EQ(main.gauges[0].line, 23) << "line numbers count CRLF lines";
    EXPECT_EQ(main.gauges[0].height, 140) << "the ; comment is not part of the height";
    EXPECT_EQ(main.gauges[1].width, 120);
    EXPECT_FALSE(main.gauges[1].height.has_value());
    EXPECT_FALSE(main.gauges[2].width.has_value());
    EXPECT_EQ(main.gauges[6].parameter, "1");
    EXPECT_EQ(c.windows[2].title, "Radio Stack") << "WINDOW02= in [Window Titles]";
    EXPECT_EQ(c.windows[3].title, "FMC") << "window03= in [Window Titles]";
    EXPECT_EQ(c.windows[3].ident_number(), 110u);
    EXPECT_FALSE(c.windows[1].ident_number().has_value()) << "OVERHEAD_PANEL is a name";
}

TEST(PanelConfig, ReadsATrainerPanelWithoutSizesOrTabsAndBlankLines) {
    const bench::PanelConfig c = bench::read_panel_config(trainer);
    ASSERT_EQ(c.windows.size(), 2u);
    EXPECT_FALSE(c.windows[0].width.has_value());
    EXPECT_THAT(gauge_names(c.windows[0]), ElementsAre("gauge00=tarnwick!AirSpeed", "gauge01=tarnwick!Altitiude", "gauge02=tarnwick!Heading",
                                                       "gauge03=Cessna!Fuel_Selector", "gauge04=tarnwick!KollsmanHG"));
    EXPECT_EQ(c.windows[0].gauges[0].y, 10) << "a tab before the x";
}

TEST(PanelConfig, FindsAWindowByNumberSectionOrIdent) {
    const bench::PanelConfig c = bench::read_panel_config(airliner);
    const struct {
        const char* which;
        const char* section;  // null: none
    } cases[] = {{"0", "Window00"},    {"02", "Window02"}, {"window01", "Window01"}, {"110", "Window03"},
                 {"main_panel", "Window00"}, {"RADIO_STACK_PANEL", "Window02"}, {"7", nullptr}, {"-1", nullptr},
                 {"", nullptr}};
    for (const auto& t : cases) {
        const bench::PanelWindow* w = c.find(t.which);
        EXPECT_EQ(w ? w->section : "none", t.section ? t.section : "none") << "\"" << t.which << "\"";
    }
}

TEST(PanelConfig, AMalformedLineIsAnErrorNamingTheFileAndLine) {
    const struct {
        const char* text;
        const char* message;
    } cases[] = {
        {"[Window00]\ngauge00=tarnwick Altitiude, 1, 2\n", "p.cfg:2: gauge00: expected module!gauge"},
        {"[Window00]\ngauge00=tarnwick!Altitiude\n", "p.cfg:2: gauge00: tarnwick!Altitiude has no position"},
        {"[Window00]\n\ngauge00=tarnwick!Altitiude, 1, two\n", "p.cfg:3: gauge00 y: \"two\" is not a whole number"},
        {"[Window00]\ngauge00=tarnwick!Altitiude, 1, 2, 0\n", "p.cfg:2: gauge00 width: 0 is not a size"},
        {"[Window00]\ngauge00=tarnwick!Altitiude, 1, 2, , 30\n", "p.cfg:2: gauge00: a height without a width"},
        {"[Window00]\nsize_mm=1024\n", "p.cfg:2: size_mm: expected 2 numbers"},
        {"[Window00]\nvisible=yes\n", "p.cfg:2: visible: \"yes\" is not a whole number"},
        {"[Window00]\nbackground_color=0,0,300\n", "p.cfg:2: background_color: red, green, blue from 0 to 255"},
        {"[Window00]\njust words\n", "p.cfg:2: expected KEY=VALUE"},
        {"gauge00=tarnwick!Altitiude, 1, 2\n", "p.cfg:1: \"gauge00=tarnwick!Altitiude, 1, 2\" before any [section]"},
        {"[Window00\n", "p.cfg:1: section header without its closing ]"},
        {"[Window00]\n[window00]\n", "p.cfg:2: [window00] again"},
    };
    for (const auto& t : cases) {
        try {
            bench::parse_panel_config(t.text, "p.cfg");
            ADD_FAILURE() << "no error for " << t.text;
        } catch (const bench::Error& e) {
            EXPECT_THAT(e.what(), HasSubstr(t.message)) << t.text;
            EXPECT_EQ(std::string(e.what()).find('\n'), std::string::npos) << "one line";
        }
    }
    EXPECT_NO_THROW(bench::parse_panel_config("[Views]\nthis line means nothing to us\n", "p.cfg")) << "other sections are skipped";
}

// A whole panel in its own host; no test leaves a host fault behind.
class WholePanel : public ::testing::Test {
protected:
    std::unique_ptr<bench::Panel> open(const std::string& path, std::vector<std::string> folders = {GAUGE_MODULE_DIR}) {
        return std::make_unique<bench::Panel>(bench::read_panel_config(path), folders);
    }
    void TearDown() override {
        if (panel)
            for (const auto& f : panel->host().faults()) ADD_FAILURE() << "host fault: " << f;
    }
    std::unique_ptr<bench::Panel> panel;
    bench::FontBook fonts;
};

TEST_F(WholePanel, TheSamplePanelRunsEveryGaugeInItsBox) {
    panel = open(dist_panel);
    EXPECT_THAT(panel->warnings(), ElementsAre());
    const bench::PanelWindow& main = panel->window("MAIN_PANEL");
    const auto gauges = panel->gauges_of(main);
    ASSERT_EQ(gauges.size(), 17u);
    for (const bench::PlacedGauge* p : gauges) EXPECT_NE(p->gauge, nullptr) << p->label() << ": " << p->problem;
    EXPECT_EQ(panel->host().gauges().size(), 17u);
    EXPECT_EQ(panel->size(main).x, 1024);
    EXPECT_TRUE(panel->open(main));
    EXPECT_FALSE(panel->open(panel->window("110")));
}

TEST_F(WholePanel, GaugesWeDoNotHaveArePlaceholdersAndWarnings) {
    panel = open(airliner);
    const auto& w = panel->warnings();
    ASSERT_EQ(w.size(), 4u);
    EXPECT_THAT(w[0], HasSubstr("airliner/panel/panel.cfg:23: gauge00 B747!Attitude: no module B747"));
    EXPECT_THAT(w[0], HasSubstr("(drawn as a placeholder)"));
    EXPECT_THAT(w[1], HasSubstr(":27: gauge04 Boeing747-400!Engine_Display: no module"));
    EXPECT_THAT(w[2], HasSubstr(":28: gauge05 tarnwick!NoSuchReadout: "));
    EXPECT_THAT(w[2], HasSubstr("has no gauge named \"NoSuchReadout\""));
    EXPECT_THAT(w[3], HasSubstr(":49: gauge00 FMC!CDU"));
    const bench::PanelWindow& main = panel->window("0");
    const auto placed = panel->gauges_of(main);
    EXPECT_EQ(placed[0]->gauge, nullptr);
    EXPECT_EQ(placed[0]->width, 140);
    EXPECT_EQ(placed[0]->height, 140);
    EXPECT_NE(placed[1]->gauge, nullptr);
}

TEST_F(WholePanel, AWidthAloneScalesTheHeightAndNoWidthIsTheGaugesOwnSize) {
    panel = open(airliner);
    const auto placed = panel->gauges_of(panel->window("0"));
    const bench::PlacedGauge& altitude = *placed[1];  // 120 wide, its own size 60 x 30
    EXPECT_EQ(altitude.width, 120);
    EXPECT_EQ(altitude.height, 60);
    const bench::PlacedGauge& vspeed = *placed[2];
    EXPECT_EQ(vspeed.width, 60);
    EXPECT_EQ(vspeed.height, 30);
    const bench::PlacedGauge& throttle = *panel->gauges_of(panel->window("1"))[0];
    const PIXPOINT own = throttle.gauge->size();
    EXPECT_EQ(throttle.height, (150 * own.y + own.x / 2) / own.x);
}

TEST_F(WholePanel, APointOfTheWindowIsAPointOfTheGaugeItLandsOn) {
    panel = open(airliner);
    const bench::PanelWindow& main = panel->window("0");
    const struct {
        int x, y;
        const char* key;  // null: no live gauge there
        int gx, gy;
    } cases[] = {
        {410, 60, "gauge01", 0, 0},     // the doubled altitude readout's corner
        {529, 119, "gauge01", 59, 29},  // its last pixel
        {470, 90, "gauge01", 30, 15},
        {530, 90, nullptr, 0, 0},       // just right of it
        {300, 100, nullptr, 0, 0},      // a placeholder takes no clicks
        {545, 115, "GAUGE02", 5, 5},    // own size: one to one
    };
    for (const auto& t : cases) {
        const auto hit = panel->hit(main, t.x, t.y);
        EXPECT_EQ(hit ? hit->placed->line->key : "none", t.key ? t.key : "none") << t.x << ", " << t.y;
        if (hit && t.key) {
            EXPECT_EQ(hit->x, t.gx) << t.x << ", " << t.y;
            EXPECT_EQ(hit->y, t.gy) << t.x << ", " << t.y;
        }
    }
}

TEST_F(WholePanel, AModuleInThePanelsFolderComesFirstWhateverItsCase) {
    const fs::path scratch = fs::path(BENCH_SCRATCH_DIR) / "panel_folder";
    fs::remove_all(scratch);
    fs::create_directories(scratch / "gauges");
    const std::string suffix = fs::path(bench::resolve_module_path(std::string(GAUGE_MODULE_DIR) + "/tarnwick")).extension().string();
    fs::copy_file(std::string(GAUGE_MODULE_DIR) + "/tarnwick" + suffix, scratch / ("TarnWick" + suffix));
    std::ofstream(scratch / "panel.cfg") << "[Window00]\nsize_mm=100,50\ngauge00=tarnwick!Altitiude, 0, 0\ngauge01=halbrook!halbrook, 0, 0, 50\n";
    panel = open((scratch / "panel.cfg").string(), {(scratch / "gauges").string()});
    const auto placed = panel->gauges_of(panel->window("0"));
    ASSERT_NE(placed[0]->gauge, nullptr) << placed[0]->problem;
    EXPECT_EQ(fs::path(placed[0]->gauge->module().path()).filename().string(), "TarnWick" + suffix);
    EXPECT_EQ(placed[1]->gauge, nullptr) << "halbrook is in neither folder";
    EXPECT_THAT(panel->warnings().at(0), HasSubstr("no module halbrook"));
}

TEST_F(WholePanel, TheWindowIsDrawnWithEachGaugeScaledToItsBoxAndPlaceholdersGrey) {
    panel = open(airliner);
    panel->host().set_number(0x4A, 12500);
    panel->host().frame();
    const bench::PanelWindow& main = panel->window("0");
    const bench::RgbImage image = bench::render_window(*panel, main, fonts);
    ASSERT_EQ(image.width(), 640);
    ASSERT_EQ(image.height(), 480);
    EXPECT_EQ(image.at(5, 5), (bench::Rgb{16, 16, 24})) << "background_color";
    EXPECT_EQ(image.at(251, 100), (bench::Rgb{64, 64, 64})) << "inside the B747 placeholder";
    EXPECT_EQ(image.at(250, 100), (bench::Rgb{160, 160, 160})) << "its edge";
    // The altitude readout drawn twice its size is its own picture at
    // scale 2: every pixel of the box is the one the host draws there.
    const auto placed = panel->gauges_of(main);
    const bench::RgbImage twice = bench::render(panel->host(), *placed[1]->gauge, 2, fonts);
    int differing = 0;
    for (int y = 0; y < 60; ++y)
        for (int x = 0; x < 120; ++x) differing += image.at(410 + x, 60 + y) == twice.at(x, y) ? 0 : 1;
    EXPECT_EQ(differing, 0);
    const bench::RgbImage own = bench::render(panel->host(), *placed[2]->gauge, 1, fonts);
    EXPECT_EQ(image.at(540 + 30, 110 + 15), own.at(30, 15)) << "the vertical speed at its own size";
}

}  // namespace
