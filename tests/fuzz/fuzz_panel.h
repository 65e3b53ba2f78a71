// Shared by the fuzz harnesses: reading fuzzer input, the world outside
// the modules (the simulator's main window, its registry key, the sound
// device, the outside sound library), and the checks that turn anything
// unhealthy into a crash that the fuzzer reports and keeps.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "emulator/host_emulator.h"
#include "support/panel_survey.h"

namespace fuzz {

// Fuzzer input read front to back; reads past the end give zeros.
class Input {
public:
    Input(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    bool empty() const { return at_ >= size_; }
    std::uint8_t byte();
    std::uint16_t u16();
    std::uint32_t u32();
    double f64();  // the next 8 bytes as they lie: every double, NaNs included
    std::string text(std::size_t max_length);  // a length byte, then that many bytes (no zeros)

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t at_ = 0;
};

// Prints the reason and aborts, so that the fuzzer stops and keeps the input.
[[noreturn]] void crash(const std::string& why);

// Every contract fault the host saw is a crash, and so is every use of a
// Win32 function that Windows would reject (a block freed twice, a key
// closed twice, a device released once too often).
void check_faults(emu::Host& host, const char* after);

// Once every gauge is killed and every module unloaded, the modules must
// hold nothing of the stand-in's: anything left is a crash.
void check_nothing_held(const char* after);

// The module files under test: those named by GAUGE_FUZZ_MODULES (paths
// separated by ':'), else every module of the build. Each is mapped once
// for the whole run, so that the coverage counters of its code stay valid
// when the host unloads and loads it again between inputs; its statics
// therefore carry over from one input to the next.
const std::vector<std::string>& modules_under_test();

// Sets up the world outside from the input: whether the simulator's main
// window exists, what its registry key holds, whether a sound device can be
// had, whether GlobalAlloc fails, and whether the outside sound library is
// found (whole or without TerminateSounds). Clears what the previous input set up.
void set_environment(Input& in);
// Takes the simulator's main window away again, if there is one.
void clear_environment();

// A value for a host variable: one of the values that break formatting
// code (NaN, infinities, denormals, huge values, negative zero, edges of
// 32-bit integers), chosen by a byte.
double special_number(std::uint8_t pick);

// One live gauge and what can be done to it.
struct Target {
    emu::Gauge* gauge = nullptr;
    std::vector<survey::Area> areas;
};

// A mouse action chosen by the input: a click, a held click with repeats
// or a drag over one of the target's areas, a click at any point at all,
// or the host's tooltip and cursor queries.
void mouse_action(emu::Host& host, Target& target, Input& in);

// Sets a variable chosen by the input from `tokens`: as a 64-bit number (any
// bit pattern, or a special value) or as an integer in the low 32 bits.
void variable_action(emu::Host& host, const std::vector<ID32>& tokens, Input& in);

}  // namespace fuzz
