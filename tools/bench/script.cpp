#include "tools/bench/script.h"

#include <sstream>

#include "tools/bench/errors.h"
#include "tools/bench/text_file.h"

namespace bench {

std::vector<std::string> split_words(const std::string& line, const std::string& path, int number) {
    std::vector<std::string> words;
    std::size_t i = 0;
    while (i < line.size()) {
        const char c = line[i];
        if (c == ' ' || c == '\t' || c == '\r') {
            ++i;
        } else if (c == '#') {
            break;
        } else if (c == '"') {
            std::string word;
            ++i;
            bool closed = false;
            while (i < line.size()) {
                if (line[i] == '\\' && i + 1 < line.size() && (line[i + 1] == '"' || line[i + 1] == '\\')) {
                    word += line[i + 1];
                    i += 2;
                } else if (line[i] == '"') {
                    ++i;
                    closed = true;
                    break;
                } else {
                    word += line[i++];
                }
            }
            if (!closed) throw line_error(path, number, "unterminated quoted text");
            words.push_back(std::move(word));
        } else {
            std::string word;
            while (i < line.size() && line[i] != ' ' && line[i] != '\t' && line[i] != '\r' && line[i] != '#')
                word += line[i++];
            words.push_back(std::move(word));
        }
    }
    return words;
}

namespace {

// Reads the words of one line against what its step expects.
class LineReader {
public:
    LineReader(std::vector<std::string> words, const std::string& path, int number)
        : words_(std::move(words)), path_(path), number_(number) {}

    const std::string& command() const { return words_[0]; }

    [[noreturn]] void fail(const std::string& what) const { throw line_error(path_, number_, what); }

    const std::string& word(const char* what) {
        if (next_ >= words_.size()) fail(usage_ + ": missing " + what);
        return words_[next_++];
    }
    int integer(const char* what, int min = INT32_MIN) {
        const std::string& w = word(what);
        const auto v = parse_int(w);
        if (!v) fail("bad " + std::string(what) + " \"" + w + "\" (a decimal or 0x hex integer)");
        if (*v < min) fail(std::string(what) + " must be at least " + std::to_string(min) + ", not " + w);
        return *v;
    }
    std::uint32_t u32(const char* what) {
        const std::string& w = word(what);
        const auto v = parse_u32(w);
        if (!v) fail("bad " + std::string(what) + " \"" + w + "\" (a decimal or 0x hex 32-bit number)");
        return *v;
    }
    // An id, or "none" for 0 (help ids) or the given none value (cursors).
    std::uint32_t id_or_none(const char* what, std::uint32_t none) {
        if (next_ < words_.size() && words_[next_] == "none") {
            ++next_;
            return none;
        }
        return u32(what);
    }
    std::size_t element() { return static_cast<std::size_t>(integer("element index", 0)); }
    bool more() const { return next_ < words_.size(); }
    void usage(std::string u) { usage_ = std::move(u); }
    // The step, once no word is left over.
    template <class S>
    S finish(S step) const {
        if (more()) fail(usage_ + ": unexpected \"" + words_[next_] + "\"");
        return step;
    }

private:
    std::vector<std::string> words_;
    const std::string& path_;
    int number_;
    std::size_t next_ = 1;
    std::string usage_;
};

ExpectedEvent parse_event(const std::string& w, LineReader& r) {
    ExpectedEvent e;
    std::string id = w;
    if (w.starts_with("window:")) {
        e.kind = emu::HostEvent::Kind::window_toggle;
        id = w.substr(7);
    } else if (const auto eq = w.find('='); eq != std::string::npos) {
        id = w.substr(0, eq);
        const auto v = parse_u32(w.substr(eq + 1));
        if (!v) r.fail("bad event value in \"" + w + "\" (ID=VALUE, VALUE decimal or 0x hex)");
        e.value = *v;
    }
    const auto v = parse_u32(id);
    if (!v) r.fail("bad event \"" + w + "\" (ID, ID=VALUE or window:ID)");
    e.id = *v;
    return e;
}

StepAction parse_expect(LineReader& r) {
    // Braced initialisers read their words left to right, in the order written.
    const std::string what = r.word("what to expect (text, events, hidden, shown, frame, placed or cursor)");
    if (what == "text") {
        r.usage("expect text ELEMENT \"TEXT\"");
        return r.finish(ExpectTextStep{.element = r.element(), .text = r.word("text")});
    }
    if (what == "events") {
        r.usage("expect events [EVENT ...]");
        ExpectEventsStep s;
        if (r.more()) {
            const std::string first = r.word("event");
            if (first == "none") return r.finish(s);
            s.events.push_back(parse_event(first, r));
            while (r.more()) s.events.push_back(parse_event(r.word("event"), r));
        }
        return s;
    }
    if (what == "hidden" || what == "shown") {
        r.usage("expect " + what + " ELEMENT");
        return r.finish(ExpectHiddenStep{.element = r.element(), .hidden = what == "hidden"});
    }
    if (what == "frame") {
        r.usage("expect frame ELEMENT N");
        return r.finish(ExpectFrameStep{.element = r.element(), .frame = r.integer("frame", 0)});
    }
    if (what == "placed") {
        r.usage("expect placed ELEMENT X Y");
        return r.finish(ExpectPlacedStep{.element = r.element(), .x = r.integer("x"), .y = r.integer("y")});
    }
    if (what == "cursor") {
        r.usage("expect cursor X Y CURSOR");
        return r.finish(ExpectCursorStep{.x = r.integer("x"), .y = r.integer("y"), .cursor = r.id_or_none("cursor", CURSOR_NONE)});
    }
    r.fail("unknown expectation \"" + what + "\" (text, events, hidden, shown, frame, placed or cursor)");
}

VarValue value_word(LineReader& r) {
    const std::string& w = r.word("value");
    const auto v = parse_value(w);
    if (!v) r.fail("bad value \"" + w + "\" (a number, 0x hex, int:N or bcd:DIGITS)");
    return *v;
}

StepAction parse_step(LineReader& r) {
    const std::string& c = r.command();
    if (c == "expect") return parse_expect(r);
    if (c == "set") {
        r.usage("set TOKEN VALUE");
        return r.finish(SetStep{.token = r.u32("token"), .value = value_word(r)});
    }
    if (c == "select") {
        r.usage("select ID");
        return r.finish(SelectStep{.selection = static_cast<SINT32>(r.u32("selection id"))});
    }
    if (c == "frames") {
        r.usage("frames N");
        return r.finish(FramesStep{.count = r.integer("frame count", 0)});
    }
    if (c == "click") {
        r.usage("click X Y");
        return r.finish(ClickStep{.x = r.integer("x"), .y = r.integer("y")});
    }
    if (c == "drag") {
        r.usage("drag X Y");
        return r.finish(DragStep{.x = r.integer("x"), .y = r.integer("y")});
    }
    if (c == "hold") {
        r.usage("hold X Y REPEATS");
        return r.finish(HoldStep{.x = r.integer("x"), .y = r.integer("y"), .repeats = r.integer("repeat count", 0)});
    }
    if (c == "hover") {
        r.usage("hover X Y HELP");
        return r.finish(HoverStep{.x = r.integer("x"), .y = r.integer("y"), .help_id = r.id_or_none("help id", 0)});
    }
    if (c == "gauge") {
        r.usage("gauge WINDOW KEY");
        return r.finish(GaugeStep{.window = r.word("window"), .key = r.word("gauge line key")});
    }
    r.fail("unknown step \"" + c + "\" (set, select, frames, click, hold, drag, hover, expect or gauge)");
}

std::string without_comment(const std::string& line) {
    // A # inside quotes is text; split_words has already checked the quotes.
    bool quoted = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
        if (line[i] == '\\' && quoted) {
            ++i;
        } else if (line[i] == '"') {
            quoted = !quoted;
        } else if (line[i] == '#' && !quoted) {
            return line.substr(0, i);
        }
    }
    return line;
}

std::string trimmed(std::string s) {
    const auto first = s.find_first_not_of(" \t\r");
    if (first == std::string::npos) return {};
    const auto last = s.find_last_not_of(" \t\r");
    return s.substr(first, last - first + 1);
}

}  // namespace

Script parse_script(const std::string& text, const std::string& path) {
    Script script;
    script.path = path;
    std::istringstream in(text);
    std::string line;
    int number = 0;
    while (std::getline(in, line)) {
        ++number;
        std::vector<std::string> words = split_words(line, path, number);
        if (words.empty()) continue;
        LineReader reader(std::move(words), path, number);
        reader.usage(reader.command());
        Step step{.line = number, .source = trimmed(without_comment(line)), .action = parse_step(reader)};
        script.steps.push_back(std::move(step));
    }
    return script;
}

Script read_script(const std::string& path) {
    const auto text = read_text_file(path);
    if (!text) throw Error(path + ": cannot read the script");
    return parse_script(*text, path);
}

}  // namespace bench
