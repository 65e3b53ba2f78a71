// Runs a bench script against one live gauge. Each expectation compares
// what the host holds now; the first that differs stops the run with
// "script:line: what differed". A contract fault the host sees (a text
// written past its buffer and the like) fails the step that caused it.
#pragma once

#include <ostream>
#include <vector>

#include "emulator/host_emulator.h"
#include "tools/bench/script.h"

namespace bench {

class ScriptRunner {
public:
    // With a trace stream, each step is echoed with the events it caused
    // and the texts and visibility it changed.
    ScriptRunner(emu::Host& host, emu::Gauge& gauge, std::ostream* trace = nullptr);

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
    emu::Gauge& gauge_;
    std::ostream* trace_;
    std::vector<emu::HostEvent> pending_;  // sent since the last `expect events`
};

std::string describe(const emu::HostEvent& event);

}  // namespace bench
