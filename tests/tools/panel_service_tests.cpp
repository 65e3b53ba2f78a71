// The live panel's requests, asked without a socket: the page and nothing
// else from the disk, bad requests answered 400 with one line, and the
// sample panel driven as a designer drives it from the browser: NAV1
// tuned, held and swapped, the FMC window opened and closed, tooltips and
// cursors, the alert light, and the saved script replaying it all.
#include <gmock/gmock.h>

#include "tools/bench/errors.h"
#include "tools/bench/panel_service.h"
#include "tools/bench/script_runner.h"

namespace {

using ::testing::HasSubstr;
using ::testing::Not;

// Points of the sample panel's Window00: the radio stack sits at (10, 100)
// at its own size, the altitude readout at (290, 10).
constexpr int radio_x = 10, radio_y = 100;
constexpr std::size_t nav1_active = 5, nav1_standby = 6;

class LiveSamplePanel : public ::testing::Test {
protected:
    LiveSamplePanel() { start(); }
    ~LiveSamplePanel() override {
        if (panel)
            for (const auto& f : panel->host().faults()) ADD_FAILURE() << "host fault: " << f;
    }

    void start() {
        service.reset();
        panel.reset();
        panel = std::make_unique<bench::Panel>(bench::read_panel_config(DIST_PANEL_CFG), std::vector<std::string>{GAUGE_MODULE_DIR});
        service = std::make_unique<bench::PanelService>(*panel, 18);
    }

    bench::HttpResponse ask(const std::string& method, const std::string& target) {
        return service->handle(bench::HttpRequest{method, target, ""});
    }
    std::string ok(const std::string& method, const std::string& target) {
        const bench::HttpResponse r = ask(method, target);
        EXPECT_EQ(r.status, 200) << method << " " << target << ": " << r.body;
        return r.body;
    }
    // A press and release at a point of the radio stack, in its own pixels.
    void press_radio(int x, int y, int ticks_held = 0) {
        const std::string at = "window=0&x=" + std::to_string(radio_x + x) + "&y=" + std::to_string(radio_y + y);
        EXPECT_THAT(ok("POST", "/api/mouse?" + at + "&action=down"), HasSubstr("\"taken\":true"));
        for (int i = 0; i < ticks_held; ++i) service->tick();
        ok("POST", "/api/mouse?" + at + "&action=up");
    }
    emu::Gauge& radio() { return *panel->gauges_of(panel->window("0"))[14]->gauge; }
    std::string log() { return ok("GET", "/api/state?since=0"); }

    std::unique_ptr<bench::Panel> panel;
    std::unique_ptr<bench::PanelService> service;
};

TEST_F(LiveSamplePanel, BadRequestsGetAOneLineReason) {
    const struct {
        const char* method;
        const char* target;
        int status;
        const char* reason;
    } cases[] = {
        {"GET", "/api/window/7.png", 400, "no window \"7\" (it has Window00 (ident MAIN_PANEL), Window01 (ident 110))"},
        {"GET", "/api/point?window=0&x=1024&y=5", 400, "point (1024, 5) is outside Window00 (1024 x 768)"},
        {"GET", "/api/point?window=0&x=-1&y=5", 400, "outside Window00"},
        {"GET", "/api/point?window=0&x=ten&y=5", 400, "bad point (ten, 5)"},
        {"GET", "/api/point?x=1&y=1", 400, "missing window="},
        {"POST", "/api/mouse?window=110&x=500&y=5&action=down", 400, "outside Window01 (400 x 300)"},
        {"POST", "/api/mouse?window=0&x=1&y=1&action=kick", 400, "bad action \"kick\""},
        {"GET", "/api/mouse?window=0&x=1&y=1&action=down", 400, "GET /api/mouse takes POST"},
        {"POST", "/api/set?var=altitude&value=high", 400, "bad value \"high\""},
        {"POST", "/api/set?var=altitude&value=1%202", 400, "bad value \"1 2\""},
        {"POST", "/api/set?var=elevation_of_mars&value=1", 400, "unknown variable \"elevation_of_mars\""},
        {"POST", "/api/set?value=1", 400, "missing var="},
        {"POST", "/api/fps?value=0", 400, "bad frame rate \"0\" (1 to 60)"},
        {"POST", "/api/select?id=x", 400, "bad radio selection"},
        {"GET", "/api/state?since=-3", 400, "bad since="},
        {"GET", "/api/point?window=%zz", 400, "bad %-escape"},
        {"GET", "etc/passwd", 400, "the target must start with /"},
        {"GET", "/../../etc/passwd", 404, "no page /../../etc/passwd"},
        {"GET", "/%2e%2e/%2e%2e/etc/passwd", 404, "no page /../../etc/passwd"},
        {"GET", "/panel.cfg", 404, "no page /panel.cfg"},
        {"GET", "/api/gauge?window=0&key=gauge99", 400, "Window00 has no gauge line gauge99"},
        {"GET", "/api/nothing", 404, "no such request: /api/nothing"},
        {"DELETE", "/", 400, "DELETE / takes GET"},
    };
    for (const auto& t : cases) {
        const bench::HttpResponse r = ask(t.method, t.target);
        EXPECT_EQ(r.status, t.status) << t.target;
        EXPECT_THAT(r.body, HasSubstr(t.reason)) << t.target;
        EXPECT_EQ(r.body.find('\n'), r.body.size() - 1) << t.target << ": one line";
    }
    EXPECT_THAT(log(), Not(HasSubstr("fault")));
    EXPECT_EQ(ok("GET", "/api/script").find("\nset"), std::string::npos) << "nothing refused was recorded";
}

TEST_F(LiveSamplePanel, ServesThePageAndTheWindowPictures) {
    const bench::HttpResponse page = ask("GET", "/");
    EXPECT_EQ(page.content_type, "text/html; charset=utf-8");
    EXPECT_THAT(page.body, HasSubstr("<script src=\"/app.js\"></script>"));
    EXPECT_EQ(ask("GET", "/app.js").content_type, "text/javascript; charset=utf-8");
    EXPECT_EQ(ask("GET", "/style.css").content_type, "text/css; charset=utf-8");
    for (const char* which : {"0", "Window01", "110"}) {
        const bench::HttpResponse png = ask("GET", std::string("/api/window/") + which + ".png");
        ASSERT_EQ(png.status, 200) << which;
        EXPECT_EQ(png.content_type, "image/png");
        EXPECT_EQ(png.body.substr(1, 3), "PNG");
    }
    const std::string layout = ok("GET", "/api/panel");
    EXPECT_THAT(layout, HasSubstr("{\"key\":\"gauge14\",\"label\":\"halbrook!halbrook\",\"x\":10,\"y\":100,\"width\":233,\"height\":185"));
    EXPECT_THAT(layout, HasSubstr("{\"name\":\"altitude\",\"token\":\"0x4A\""));
}

TEST_F(LiveSamplePanel, TuningAndSwappingNav1FromThePage) {
    ok("POST", "/api/set?var=nav1&value=bcd:1090");
    service->tick();
    EXPECT_EQ(radio().text(nav1_active), "110.90");
    EXPECT_EQ(radio().text(nav1_standby), "108.00");
    press_radio(225, 20);  // the fraction knob's up half
    service->tick();
    EXPECT_EQ(radio().text(nav1_standby), "108.02");
    press_radio(110, 20);  // the swap button
    EXPECT_THAT(log(), HasSubstr("event 0x100AC=0x802"));
    service->tick();
    EXPECT_EQ(radio().text(nav1_active), "108.02");
}

TEST_F(LiveSamplePanel, AHeldKnobRepeatsAsFramesRunAndIsSavedAsAHold) {
    service->tick();
    // Whole MHz up, held for 12 frames at 18 a second: the click, then a
    // repeat a frame from half a second (frame 9) on.
    press_radio(145, 20, 12);
    service->tick();
    EXPECT_EQ(radio().text(nav1_standby), "113.00");
    EXPECT_THAT(ok("GET", "/api/script"), HasSubstr("\nhold 145 20 4\nframes 13\n"));
    press_radio(110, 20, 20);  // the swap button does not repeat: a click
    EXPECT_THAT(ok("GET", "/api/script"), HasSubstr("\nclick 110 20\n"));
}

TEST_F(LiveSamplePanel, TheFmcButtonOpensAndClosesWindow110) {
    EXPECT_THAT(ok("GET", "/api/state"), HasSubstr("\"open\":{\"Window00\":true,\"Window01\":false}"));
    press_radio(200, 130);
    EXPECT_THAT(ok("GET", "/api/state"), HasSubstr("\"open\":{\"Window00\":true,\"Window01\":true}"));
    press_radio(200, 130);
    EXPECT_THAT(ok("GET", "/api/state"), HasSubstr("\"open\":{\"Window00\":true,\"Window01\":false}"));
    const std::string entries = log();
    EXPECT_THAT(entries, HasSubstr("window:110 Window01 (ident 110) opened"));
    EXPECT_THAT(entries, HasSubstr("window:110 Window01 (ident 110) closed"));
}

TEST_F(LiveSamplePanel, APointTellsItsGaugeCursorAndHelp) {
    EXPECT_THAT(ok("GET", "/api/point?window=0&x=300&y=20"),
                HasSubstr("\"gauge\":\"gauge04\",\"label\":\"tarnwick!Altitiude\",\"x\":10,\"y\":10,\"cursor\":\"none\",\"help\":\"0xAB07 (43783)\""));
    EXPECT_THAT(ok("GET", "/api/point?window=0&x=235&y=120"), HasSubstr("\"cursor\":\"up-arrow\",\"help\":null"));
    EXPECT_EQ(ok("GET", "/api/point?window=0&x=900&y=700"), "{\"gauge\":null}");
    ok("POST", "/api/set?var=altitude&value=4200");
    service->tick();
    EXPECT_EQ(ok("GET", "/api/gauge?window=0&key=4"),
              "{\"key\":\"gauge04\",\"label\":\"tarnwick!Altitiude\",\"elements\":[{\"element\":1,\"text\":\" 4200\",\"hidden\":false}]}");
}

TEST_F(LiveSamplePanel, TheAlertLightFollowsTheAltitudeSetByName) {
    ok("POST", "/api/set?var=selected_altitude&value=13000");
    ok("POST", "/api/set?var=ALTITUDE&value=12500");
    service->tick();
    const auto gauges = panel->gauges_of(panel->window("0"));
    EXPECT_EQ(gauges[4]->gauge->text(1), "12500");
    EXPECT_FALSE(gauges[15]->gauge->element(1).hidden) << "500 feet below: lit";
    ok("POST", "/api/set?var=0x4A&value=13000");
    service->tick();
    EXPECT_TRUE(gauges[15]->gauge->element(1).hidden) << "at the selected altitude: dark";
}

TEST_F(LiveSamplePanel, TheSavedScriptReplaysTheSession) {
    ok("POST", "/api/set?var=nav1&value=bcd:1090");
    ok("POST", "/api/select?id=6");
    service->tick();
    press_radio(225, 20);
    service->tick();
    press_radio(110, 20);
    press_radio(200, 130);
    service->tick();
    const std::string script = ok("GET", "/api/script");
    const std::vector<std::string> shown{radio().text(nav1_active), radio().text(nav1_standby)};
    ASSERT_EQ(shown[1], "110.90");

    start();
    bench::ScriptRunner runner(panel->host(), [&](const std::string& w, const std::string& k) { return panel->script_gauge(w, k); });
    runner.run(bench::parse_script(script, "saved.bench"));
    EXPECT_EQ((std::vector<std::string>{radio().text(nav1_active), radio().text(nav1_standby)}), shown) << script;
    EXPECT_TRUE(panel->open(panel->window("110")));
    EXPECT_EQ(panel->host().radio_selection(), 6);
}

}  // namespace
