// Runs a bench script against one live gauge. Each expectation compares
// what the host holds now; the first that differs stops the run with
// "script:line: what differed". A contract fault the host sees (a text
// written past its buffer and the like) fails the step that caused it.
#pragma once

#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "emulator/host_emulator.h"
#include "tools/bench/script.h"

namespace bench {

class ScriptRunner {
public:
    // With a trace stream, each step is echoed with the events it caused
    // and the texts and visibility it changed.
    ScriptRunner(emu::Host& host, emu::Gauge& gauge, std::ostream* trace = nullptr);
    // A panel's runner: its `gauge WINDOW KEY` steps choose the gauge the
    // steps after them drive, through the finder, which throws Error for a
    // window or key the panel lacks and returns null for a placeholder.
    using GaugeFinder = std::function<emu::Gauge*(const std::string& window, const std::string& key)>;
    ScriptRunner(emu::Host& host, GaugeFinder finder, std::ostream* trace = nullptr);

    void run(const Script& script);  // throws Error at the first failing step
    void run(const Script& script, const Step& step);

private:
    struct Shown {
        std::string text;
        bool hidden;
    };
    std::vector<Shown> shown() const;
    const emu::ElementState& element(const Script& script, const Step& step, std::size_t index) const;
    void collect(const Script& script, const Step& step);

    emu::Host& host_;
    emu::Gauge& target(const Script& script, const Step& step) const;

    emu::Gauge* gauge_;  // null in a panel's script before its first gauge step
    GaugeFinder finder_;
    std::ostream* trace_;
    std::vector<emu::HostEvent> pending_;  // sent since the last `expect events`
};

std::string describe(const emu::HostEvent& event);

}  // namespace bench
