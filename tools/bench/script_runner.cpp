#include "tools/bench/script_runner.h"

#include "tools/bench/errors.h"
#include "tools/bench/listing.h"

namespace bench {

std::string describe(const emu::HostEvent& event) {
    if (event.kind == emu::HostEvent::Kind::window_toggle) return "window:" + std::to_string(event.id);
    return hex(event.id) + "=" + event_value(event.value);
}

namespace {

std::string list_of(const std::vector<emu::HostEvent>& events) {
    if (events.empty()) return "none";
    std::string out;
    for (const emu::HostEvent& e : events) {
        if (!out.empty()) out += ' ';
        out += describe(e);
    }
    return out;
}

std::string list_of(const std::vector<ExpectedEvent>& events) {
    if (events.empty()) return "none";
    std::string out;
    for (const ExpectedEvent& e : events) {
        out += out.empty() ? "" : " ";
        if (e.kind == emu::HostEvent::Kind::window_toggle)
            out += "window:" + std::to_string(e.id);
        else
            out += hex(e.id) + (e.value ? "=" + event_value(*e.value) : "");
    }
    return out;
}

bool matches(const ExpectedEvent& want, const emu::HostEvent& got) {
    return want.kind == got.kind && want.id == got.id && (!want.value || *want.value == got.value);
}

std::string quoted(const std::string& s) { return "\"" + s + "\""; }

std::string point(int x, int y) { return "(" + std::to_string(x) + ", " + std::to_string(y) + ")"; }

template <class... F>
struct Visit : F... {
    using F::operator()...;
};
template <class... F>
Visit(F...) -> Visit<F...>;

}  // namespace

ScriptRunner::ScriptRunner(emu::Host& host, emu::Gauge& gauge, std::ostream* trace)
    : host_(host), gauge_(&gauge), trace_(trace) {
    host_.take_events();  // what install sent is not the script's
}

ScriptRunner::ScriptRunner(emu::Host& host, GaugeFinder finder, std::ostream* trace)
    : host_(host), gauge_(nullptr), finder_(std::move(finder)), trace_(trace) {
    host_.take_events();
}

emu::Gauge& ScriptRunner::target(const Script& script, const Step& step) const {
    if (gauge_ == nullptr) throw line_error(script.path, step.line, "no gauge chosen yet (a panel script starts with gauge WINDOW KEY)");
    return *gauge_;
}

void ScriptRunner::run(const Script& script) {
    for (const Step& step : script.steps) run(script, step);
}

std::vector<ScriptRunner::Shown> ScriptRunner::shown() const {
    std::vector<Shown> out;
    if (gauge_ == nullptr) return out;
    for (const emu::ElementState& st : gauge_->elements()) out.push_back(Shown{st.text, st.hidden});
    return out;
}

const emu::ElementState& ScriptRunner::element(const Script& script, const Step& step, std::size_t index) const {
    const emu::Gauge& gauge = target(script, step);
    if (index >= gauge.elements().size())
        throw line_error(script.path, step.line,
                         "no element " + std::to_string(index) + " (gauge " + gauge.name() + " has elements 0 to " +
                             std::to_string(gauge.elements().size() - 1) + ")");
    return gauge.elements()[index];
}

void ScriptRunner::collect(const Script& script, const Step& step) {
    std::vector<emu::HostEvent> sent = host_.take_events();
    if (trace_ != nullptr && !sent.empty()) *trace_ << "      sent " << list_of(sent) << "\n";
    pending_.insert(pending_.end(), sent.begin(), sent.end());
    const std::vector<std::string> faults = host_.take_faults();
    if (!faults.empty()) throw line_error(script.path, step.line, "host fault: " + faults.front());
}

void ScriptRunner::run(const Script& script, const Step& step) {
    auto fail = [&](const std::string& what) { return line_error(script.path, step.line, what); };
    if (trace_ != nullptr) *trace_ << script.path << ":" << step.line << ": " << step.source << "\n";
    const std::vector<Shown> before = trace_ != nullptr ? shown() : std::vector<Shown>{};

    std::visit(Visit{
                   [&](const SetStep& s) { apply(host_, s.token, s.value); },
                   [&](const SelectStep& s) { host_.set_radio_selection(s.selection); },
                   [&](const FramesStep& s) { host_.frames(s.count); },
                   [&](const ClickStep& s) {
                       if (!host_.click(target(script, step), s.x, s.y)) throw fail("click at " + point(s.x, s.y) + ": no mouse area takes it");
                   },
                   [&](const HoldStep& s) {
                       if (!host_.hold(target(script, step), s.x, s.y, s.repeats))
                           throw fail("hold at " + point(s.x, s.y) + ": no mouse area takes it");
                   },
                   [&](const DragStep& s) {
                       if (!host_.drag(target(script, step), s.x, s.y))
                           throw fail("drag at " + point(s.x, s.y) + ": no mouse area follows a held button there");
                   },
                   [&](const HoverStep& s) {
                       const ID32 got = host_.help_id_at(target(script, step), s.x, s.y);
                       if (got != s.help_id)
                           throw fail("help id at " + point(s.x, s.y) + ": got " + (got ? hex(got) : "none") + ", expected " +
                                      (s.help_id ? hex(s.help_id) : "none"));
                   },
                   [&](const ExpectTextStep& s) {
                       const emu::ElementState& st = element(script, step, s.element);
                       if (st.element->element_type != ELEMENT_TYPE_STRING)
                           throw fail("element " + std::to_string(s.element) + " is not a text element");
                       const std::string& got = st.text;
                       if (got != s.text)
                           throw fail("text of element " + std::to_string(s.element) + ": got " + quoted(got) + ", expected " + quoted(s.text));
                   },
                   [&](const ExpectEventsStep&) {},  // after the events are collected, below
                   [&](const ExpectHiddenStep& s) {
                       const bool got = element(script, step, s.element).hidden;
                       if (got != s.hidden)
                           throw fail("element " + std::to_string(s.element) + " is " + (got ? "hidden" : "shown") + ", expected " +
                                      (s.hidden ? "hidden" : "shown"));
                   },
                   [&](const ExpectFrameStep& s) {
                       const emu::ElementState& st = element(script, step, s.element);
                       if (st.element->element_type != ELEMENT_TYPE_ICON)
                           throw fail("element " + std::to_string(s.element) + " is not an icon");
                       if (st.frame != s.frame)
                           throw fail("frame of element " + std::to_string(s.element) + ": got " + std::to_string(st.frame) +
                                      ", expected " + std::to_string(s.frame));
                   },
                   [&](const ExpectPlacedStep& s) {
                       const PIXPOINT got = element(script, step, s.element).placed;
                       if (got.x != s.x || got.y != s.y)
                           throw fail("element " + std::to_string(s.element) + " is at " + point(got.x, got.y) + ", expected " +
                                      point(s.x, s.y));
                   },
                   [&](const GaugeStep& s) {
                       if (!finder_) throw fail("gauge steps choose a gauge of a panel (gaugebench panel --script)");
                       try {
                           gauge_ = finder_(s.window, s.key);
                       } catch (const Error& e) {
                           throw fail(e.what());
                       }
                       if (gauge_ == nullptr) throw fail("gauge " + s.window + " " + s.key + " is a placeholder: nothing to drive");
                   },
                   [&](const ExpectCursorStep& s) {
                       const ID32 got = host_.cursor_at(target(script, step), s.x, s.y);
                       if (got != s.cursor)
                           throw fail("cursor at " + point(s.x, s.y) + ": got " + cursor_name(got) + ", expected " + cursor_name(s.cursor));
                   },
               },
               step.action);
    collect(script, step);

    if (const auto* e = std::get_if<ExpectEventsStep>(&step.action)) {
        std::vector<emu::HostEvent> got;
        got.swap(pending_);
        bool same = got.size() == e->events.size();
        for (std::size_t i = 0; same && i < got.size(); ++i) same = matches(e->events[i], got[i]);
        if (!same) throw fail("events: got " + list_of(got) + ", expected " + list_of(e->events));
    }

    if (trace_ != nullptr) {
        const std::vector<Shown> after = shown();
        for (std::size_t i = 0; i < after.size() && i < before.size(); ++i) {
            if (after[i].text != before[i].text)
                *trace_ << "      element " << i << " shows " << quoted(after[i].text) << " (was " << quoted(before[i].text) << ")\n";
            if (after[i].hidden != before[i].hidden)
                *trace_ << "      element " << i << (after[i].hidden ? " hidden" : " shown") << "\n";
        }
    }
}

}  // namespace bench
