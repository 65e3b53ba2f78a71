// The order in which belvane's routines call the host, and where the
// sound device is opened and closed among those calls.
#include <string>
#include <vector>

#include "alert_fixture.h"

using ::testing::Each;
using ::testing::ElementsAre;
using ::testing::Eq;
using ::testing::Not;
using ::testing::IsEmpty;

namespace {

// A service call as "service", or "service 0x<token>" for variables, with
// the record it was handed checked against the one expected.
struct call_reader {
    const emu::Gauge& g;

    std::vector<std::string> operator()(const std::vector<emu::ServiceCall>& calls) const {
        std::vector<std::string> out;
        for (const emu::ServiceCall& c : calls) {
            std::string line = c.service;
            if (c.service.find("_var") != std::string::npos) {
                char token[16];
                std::snprintf(token, sizeof token, " 0x%llX", static_cast<unsigned long long>(c.argument));
                line += token;
            } else if (c.service.starts_with("mouse_list")) {
                if (c.subject != g.mouse_list()) line += " (another list)";
            } else if (c.subject != g.element(0).element) {
                line += " (not the root)";
            }
            out.push_back(line);
        }
        return out;
    }
};

}  // namespace

TEST_F(AlertTest, InstallAndInitializeCallTheHostInOrder) {
    simulator_running();
    // Each stand-in call is stamped with the number of host services called
    // before it, to place the sound device's opening among them.
    std::vector<std::size_t> sound_calls_after;
    standin::set_call_listener([&](const std::string&) { sound_calls_after.push_back(host->service_calls().size()); });
    emu::Gauge& g = install();
    standin::set_call_listener(nullptr);

    EXPECT_THAT(call_reader{g}(host->service_calls()),
                ElementsAre("element_list_install", "mouse_list_install", "mouse_list_register",
                            "element_list_initialize", "initialize_var 0x4A", "initialize_var 0x6D",
                            "initialize_var 0x41"));
    // The whole open runs between element_list_install and mouse_list_install.
    EXPECT_THAT(sound_calls_after, Not(IsEmpty()));
    EXPECT_THAT(sound_calls_after, Each(Eq(1u)));
    // The three variables are three distinct records.
    const auto& calls = host->service_calls();
    EXPECT_NE(calls[4].subject, calls[5].subject);
    EXPECT_NE(calls[5].subject, calls[6].subject);
    EXPECT_NE(calls[4].subject, calls[6].subject);
}

// The query asks the host about the canvas alone and hands its answer back.
TEST_F(AlertTest, QueryAsksTheHostAboutTheCanvasAndReturnsItsAnswer) {
    emu::Gauge& g = install();
    host->clear_service_calls();
    EXPECT_EQ(host->query(g), 1);  // the host knows the tree it is asked about
    EXPECT_THAT(call_reader{g}(host->service_calls()), ElementsAre("element_list_query"));
}

TEST_F(AlertTest, EachFrameUpdatesTheElementsBeforeLookingUpTheVariables) {
    emu::Gauge& g = install();
    host->clear_service_calls();
    host->frames(2);
    const std::vector<std::string> one_frame = {"element_list_update", "lookup_var 0x4A",  "lookup_var 0x6D",
                                                "lookup_var 0x41",     "element_list_generate", "element_list_plot"};
    std::vector<std::string> two_frames = one_frame;
    two_frames.insert(two_frames.end(), one_frame.begin(), one_frame.end());
    EXPECT_EQ(call_reader{g}(host->service_calls()), two_frames);
    // The host's phase changes every frame; generate hands each one on.
    const std::uint32_t last = host->frame_number();
    EXPECT_EQ(host->service_calls()[4].argument, last - 1) << "generate passes the host's phase on";
    EXPECT_EQ(host->service_calls()[10].argument, last) << "generate passes the host's phase on";
}

TEST_F(AlertTest, KillUnregistersClosesTheDeviceAndThenKillsTheElements) {
    simulator_running();
    emu::Gauge& g = install();
    host->clear_service_calls();
    standin::clear_call_log();
    std::vector<std::size_t> sound_calls_after;
    standin::set_call_listener([&](const std::string&) { sound_calls_after.push_back(host->service_calls().size()); });
    host->kill(g);
    standin::set_call_listener(nullptr);

    EXPECT_THAT(call_reader{g}(host->service_calls()), ElementsAre("mouse_list_unregister", "element_list_kill"));
    EXPECT_THAT(standin::call_log(), ElementsAre("GlobalFree", "Release"));
    EXPECT_THAT(sound_calls_after, ElementsAre(1u, 1u));
    EXPECT_FALSE(g.mouse_registered());
}
