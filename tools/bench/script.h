// Bench scripts: one step a line, `#` starts a comment, blank lines are
// skipped. Words are separated by blanks; a text in double quotes may hold
// blanks, \" and \\. docs/bench.md describes every step.
//
//   set TOKEN VALUE          a host variable (VALUE as in values.h)
//   select ID                the host's radio selection (0: none)
//   frames N                 N frames: update, generate and draw
//   click X Y                a left click; fails if no area takes it
//   hold X Y REPEATS         a click held for REPEATS repeat events
//   drag X Y                 the pointer moving with the button held
//   hover X Y HELP           the tooltip at a point is HELP (an id or none)
//   expect text E "TEXT"     element E (tree index) shows TEXT
//   expect events [EV ...]   the events since the last check, in order:
//                            ID, ID=VALUE or window:ID; none for no event
//   expect hidden E          element E is not drawn
//   expect shown E           element E is drawn
//   expect frame E N         icon E shows frame N
//   expect placed E X Y      element E is drawn at (X, Y)
//   expect cursor X Y C      the cursor at a point is C (an id or none)
//   gauge WINDOW KEY         panels: the steps after it drive the gauge of
//                            line KEY (gauge14) of window WINDOW
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "emulator/host_emulator.h"
#include "tools/bench/values.h"

namespace bench {

struct SetStep {
    ID32 token;
    VarValue value;
};
struct SelectStep {
    SINT32 selection;
};
struct FramesStep {
    int count;
};
struct ClickStep {
    int x, y;
};
struct HoldStep {
    int x, y, repeats;
};
struct DragStep {
    int x, y;
};
struct HoverStep {
    int x, y;
    ID32 help_id;  // 0: none
};
struct ExpectTextStep {
    std::size_t element;
    std::string text;
};
struct ExpectedEvent {
    emu::HostEvent::Kind kind = emu::HostEvent::Kind::key_event;
    ID32 id = 0;
    std::optional<std::uint32_t> value;  // unchecked when absent
};
struct ExpectEventsStep {
    std::vector<ExpectedEvent> events;
};
struct ExpectHiddenStep {
    std::size_t element;
    bool hidden;
};
struct ExpectFrameStep {
    std::size_t element;
    int frame;
};
struct ExpectPlacedStep {
    std::size_t element;
    int x, y;
};
struct ExpectCursorStep {
    int x, y;
    ID32 cursor;
};

struct GaugeStep {
    std::string window;  // number, section name or ident
    std::string key;     // the gauge line's key, gauge14, or its number
};

using StepAction = std::variant<SetStep, SelectStep, FramesStep, ClickStep, HoldStep, DragStep, HoverStep,
                                ExpectTextStep, ExpectEventsStep, ExpectHiddenStep, ExpectFrameStep,
                                ExpectPlacedStep, ExpectCursorStep, GaugeStep>;

struct Step {
    int line = 0;
    std::string source;  // the line as written, without its comment
    StepAction action;
};

struct Script {
    std::string path;  // for messages
    std::vector<Step> steps;
};

// Splits a line into words; quoted words keep their blanks. Throws Error
// (naming path and line) for an unterminated quote.
std::vector<std::string> split_words(const std::string& line, const std::string& path, int number);

// Parses a whole script; the first malformed line throws Error naming the
// path and the line number.
Script parse_script(const std::string& text, const std::string& path);
Script read_script(const std::string& path);

}  // namespace bench
