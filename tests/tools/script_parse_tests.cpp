// Reading bench scripts: every step form, and malformed lines reported
// with their line number before anything runs.
#include <gmock/gmock.h>

#include "tools/bench/errors.h"
#include "tools/bench/script.h"

namespace {

using ::testing::HasSubstr;

TEST(BenchScriptParse, EveryStepFormReadsWithItsLineNumber) {
    const bench::Script s = bench::parse_script(
        "# tune and check\n"
        "set 0x18 bcd:1090   # NAV1 active\n"
        "\n"
        "set 74 12500\n"
        "select 6\n"
        "frames 2\n"
        "click 221 12\n"
        "hold 140 12 3\n"
        "drag 60 100\n"
        "hover 1 1 0xAB07\n"
        "hover 1 1 none\n"
        "expect text 6 \"110.90 # not a comment\"\n"
        "expect events 0x100AC=0x1090 0x1011C=-5000 window:110 0x10068\n"
        "expect events\n"
        "expect events none\n"
        "expect hidden 1\n"
        "expect shown 1\n"
        "expect frame 2 1\n"
        "expect placed 1 54 35\n"
        "expect cursor 5 5 none\n",
        "tune.bench");
    ASSERT_EQ(s.steps.size(), 18u);
    EXPECT_EQ(s.steps[0].line, 2);
    EXPECT_EQ(s.steps[0].source, "set 0x18 bcd:1090");
    const auto& set = std::get<bench::SetStep>(s.steps[0].action);
    EXPECT_EQ(set.token, 0x18u);
    EXPECT_EQ(set.value.integer, 0x1090u);
    EXPECT_EQ(std::get<bench::SetStep>(s.steps[1].action).value.number, 12500.0);
    EXPECT_EQ(std::get<bench::SelectStep>(s.steps[2].action).selection, 6);
    EXPECT_EQ(std::get<bench::FramesStep>(s.steps[3].action).count, 2);
    const auto& hold = std::get<bench::HoldStep>(s.steps[5].action);
    EXPECT_EQ(hold.x, 140);
    EXPECT_EQ(hold.repeats, 3);
    EXPECT_EQ(std::get<bench::HoverStep>(s.steps[7].action).help_id, 0xAB07u);
    EXPECT_EQ(std::get<bench::HoverStep>(s.steps[8].action).help_id, 0u);
    EXPECT_EQ(std::get<bench::ExpectTextStep>(s.steps[9].action).text, "110.90 # not a comment");

    const auto& events = std::get<bench::ExpectEventsStep>(s.steps[10].action).events;
    ASSERT_EQ(events.size(), 4u);
    EXPECT_EQ(events[0].id, 0x100ACu);
    EXPECT_EQ(events[0].value, 0x1090u);
    EXPECT_EQ(events[1].value, static_cast<std::uint32_t>(-5000));
    EXPECT_EQ(events[2].kind, emu::HostEvent::Kind::window_toggle);
    EXPECT_EQ(events[2].id, 110u);
    EXPECT_FALSE(events[3].value.has_value()) << "an event without =VALUE is checked by id alone";
    EXPECT_TRUE(std::get<bench::ExpectEventsStep>(s.steps[11].action).events.empty());
    EXPECT_TRUE(std::get<bench::ExpectEventsStep>(s.steps[12].action).events.empty());
    EXPECT_TRUE(std::get<bench::ExpectHiddenStep>(s.steps[13].action).hidden);
    EXPECT_FALSE(std::get<bench::ExpectHiddenStep>(s.steps[14].action).hidden);
    EXPECT_EQ(std::get<bench::ExpectPlacedStep>(s.steps[16].action).y, 35);
    EXPECT_EQ(std::get<bench::ExpectCursorStep>(s.steps[17].action).cursor, CURSOR_NONE);
}

TEST(BenchScriptParse, QuotedTextsKeepBlanksAndEscapes) {
    const bench::Script s = bench::parse_script("expect text 1 \"a \\\"b\\\" \\\\ c\"\nexpect text 2 \"\"\n", "q.bench");
    EXPECT_EQ(std::get<bench::ExpectTextStep>(s.steps[0].action).text, "a \"b\" \\ c");
    EXPECT_EQ(std::get<bench::ExpectTextStep>(s.steps[1].action).text, "");
}

struct Malformed {
    const char* line;
    const char* message;
};

TEST(BenchScriptParse, AMalformedLineNamesTheScriptItsLineAndTheProblem) {
    const Malformed cases[] = {
        {"jump 3 4", "unknown step \"jump\""},
        {"set 0x4A", "set TOKEN VALUE: missing value"},
        {"set 0xZZ 1", "bad token \"0xZZ\""},
        {"set 0x4A twelve", "bad value \"twelve\""},
        {"set 0x4A bcd:12a", "bad value \"bcd:12a\""},
        {"frames -1", "frame count must be at least 0"},
        {"frames 2 3", "frames N: unexpected \"3\""},
        {"click 10", "click X Y: missing y"},
        {"click ten 10", "bad x \"ten\""},
        {"hold 1 2", "missing repeat count"},
        {"hover 1 2 help", "bad help id \"help\""},
        {"expect", "missing what to expect"},
        {"expect colour 1", "unknown expectation \"colour\""},
        {"expect text 1", "missing text"},
        {"expect text one \"x\"", "bad element index \"one\""},
        {"expect text 1 \"open", "unterminated quoted text"},
        {"expect events 0x100AC=", "bad event value"},
        {"expect events window:x", "bad event \"window:x\""},
        {"expect events none 0x1", "unexpected \"0x1\""},
        {"expect frame 1", "missing frame"},
        {"expect placed 1 2", "missing y"},
        {"expect cursor 1 2 arrow", "bad cursor \"arrow\""},
    };
    for (const Malformed& c : cases) {
        SCOPED_TRACE(c.line);
        // Two good lines and a comment first: the number is the file's line.
        const std::string text = "frames 1\n# comment\nclick 1 1\n" + std::string(c.line) + "\nframes 1\n";
        try {
            bench::parse_script(text, "bad.bench");
            ADD_FAILURE() << "parsed";
        } catch (const bench::Error& e) {
            EXPECT_THAT(e.what(), HasSubstr("bad.bench:4: "));
            EXPECT_THAT(e.what(), HasSubstr(c.message));
        }
    }
}

TEST(BenchScriptParse, AMissingScriptFileIsNamed) {
    EXPECT_THROW(
        {
            try {
                bench::read_script("/no/such/script.bench");
            } catch (const bench::Error& e) {
                EXPECT_THAT(e.what(), HasSubstr("/no/such/script.bench"));
                throw;
            }
        },
        bench::Error);
}

}  // namespace
