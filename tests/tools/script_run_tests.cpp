// Running bench scripts against the probe module's gauges: a script that
// holds passes; each kind of expectation that differs stops the run at its
// own line with what differed.
#include <gmock/gmock.h>

#include <sstream>

#include "emulator/probe_fixture.h"
#include "tools/bench/errors.h"
#include "tools/bench/script_runner.h"

namespace {

using ::testing::HasSubstr;

class BenchScriptRun : public ProbeTest {
protected:
    void run(const std::string& gauge, const std::string& text, std::ostream* trace = nullptr) {
        run_on(probe, gauge, text, trace);
    }
    void run_on(emu::Module& module, const std::string& gauge, const std::string& text, std::ostream* trace = nullptr) {
        emu::Gauge& g = host->install(module, gauge);
        bench::ScriptRunner(*host, g, trace).run(bench::parse_script(text, "probe.bench"));
    }
};

TEST_F(BenchScriptRun, AScriptWhoseExpectationsHoldPasses) {
    EXPECT_NO_THROW(run("probe_text",
                        "set 0x9001 3\n"
                        "frames 1\n"
                        "expect text 1 \"xxx\"\n"
                        "expect events\n"
                        "click 1 1          # the area that names an event\n"
                        "hold 5 2 2         # the callback area: the click and two repeats\n"
                        "drag 9 3\n"
                        "expect events 0x10100=0 0x10101=5002 0x10101 0x10101=0x138A 0x10102=3\n"
                        "hover 1 1 88\n"
                        "hover 15 7 0x4D\n"
                        "hover 16 8 none\n"
                        "expect cursor 5 1 1\n"
                        "expect cursor 15 7 none\n"
                        "expect shown 1\n"
                        "expect placed 1 1 1\n"));
}

TEST_F(BenchScriptRun, IconsAndSlidersShowTheirFrameAndPlace) {
    EXPECT_NO_THROW(run("probe_610",
                        "expect frame 1 0\n"
                        "set 0x9003 1\n"
                        "set 0x9004 0x2A  # an integer in the low bits reads as a tiny float\n"
                        "frames 1\n"
                        "expect frame 1 1\n"
                        "expect text 2 \"0\"\n"
                        "set 0x9004 42\n"
                        "frames 1\n"
                        "expect text 2 \"42\"\n"));
    host->kill(*host->gauges().back());
    EXPECT_NO_THROW(run("probe_800",
                        "set 0x9006 3\n"
                        "set 0x9005 4\n"
                        "frames 1\n"
                        "expect placed 1 7 4   # (4, 2) plus (3 x 1, 4 x 0.5)\n"));
}

struct Failing {
    const char* name;
    const char* script;  // the failing step is on line 3
    const char* message;
};

TEST_F(BenchScriptRun, TheFirstDifferenceStopsTheRunAtItsLine) {
    const Failing cases[] = {
        {"text", "set 0x9001 2\nframes 1\nexpect text 1 \"xxx\"\nexpect text 1 \"zz\"\n",
         "text of element 1: got \"xx\", expected \"xxx\""},
        {"no event", "click 1 1\nexpect events 0x10100\nexpect events 0x10100\n", "events: got none, expected 0x10100"},
        {"another event", "frames 1\nclick 5 2\nexpect events 0x10101=0x1\n",
         "events: got 0x10101=0x138A, expected 0x10101=0x1"},
        {"one event too many", "click 1 1\nclick 1 1\nexpect events 0x10100\n",
         "events: got 0x10100=0x0 0x10100=0x0, expected 0x10100"},
        {"hidden", "frames 1\nframes 1\nexpect hidden 1\n", "element 1 is shown, expected hidden"},
        {"element beyond the tree", "frames 1\nframes 1\nexpect shown 9\n", "no element 9 (gauge probe_text has elements 0 to 1)"},
        {"text of an image", "frames 1\nframes 1\nexpect text 0 \"\"\n", "element 0 is not a text element"},
        {"frame of a text", "frames 1\nframes 1\nexpect frame 1 0\n", "element 1 is not an icon"},
        {"placed", "frames 1\nframes 1\nexpect placed 1 2 2\n", "element 1 is at (1, 1), expected (2, 2)"},
        {"click off every area", "frames 1\nclick 1 1\nclick 14 6\n", "click at (14, 6): no mouse area takes it"},
        {"drag on a click area", "frames 1\nclick 1 1\ndrag 1 1\n", "drag at (1, 1): no mouse area follows"},
        {"help", "frames 1\nhover 1 1 88\nhover 5 1 88\n", "help id at (5, 1): got 0x4D, expected 0x58"},
        {"cursor", "frames 1\nframes 1\nexpect cursor 1 1 1\n", "cursor at (1, 1): got hand (5), expected up-arrow (1)"},
        {"host fault", "frames 1\nset 0x9001 5\nframes 1\n", "host fault: gauge probe_text element 1: text written past"},
    };
    for (const Failing& c : cases) {
        SCOPED_TRACE(c.name);
        host = nullptr;  // a fresh host and probe module for each case
        host = std::make_unique<emu::Host>();
        emu::Module& fresh = host->load(probe_path());
        try {
            run_on(fresh, "probe_text", c.script);
            ADD_FAILURE() << "the script passed";
        } catch (const bench::Error& e) {
            EXPECT_THAT(e.what(), HasSubstr(std::string("probe.bench:3: ") + c.message));
        }
        host->take_faults();
    }
}

TEST_F(BenchScriptRun, ATraceEchoesStepsTheirEventsAndChangedTexts) {
    std::ostringstream trace;
    run("probe_text", "set 0x9001 2\nframes 1\nclick 1 1\n", &trace);
    EXPECT_THAT(trace.str(), HasSubstr("probe.bench:2: frames 1\n      element 1 shows \"xx\" (was \"\")"));
    EXPECT_THAT(trace.str(), HasSubstr("probe.bench:3: click 1 1\n      sent 0x10100=0x0"));
}

}  // namespace
