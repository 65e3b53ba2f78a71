// What tests read back about how the stand-in was used: the calls in
// order, and the misuses that Windows would reject or punish.
#include <algorithm>
#include <cstdint>
#include <cstring>

#include "platform/standin/parts.h"
#include "platform/standin/standin_control.h"

namespace standin {

namespace {
// The log keeps the most recent calls only, so that a module running for
// millions of frames (a benchmark, a fuzzing run) does not grow it forever.
// It is a fixed ring of plain records: modules call into the stand-in every
// frame, and logging a call must not allocate.
constexpr std::size_t calls_kept = 4096;
// Longer lines are cut to this many characters; every line a module's call
// makes is far shorter.
constexpr std::size_t line_room = 192;

struct call_record {
    std::uint16_t length = 0;
    char text[line_room];
};

call_record ring[calls_kept];
std::size_t next_call = 0;  // calls logged since the last clear; the ring holds the last calls_kept
std::vector<std::string> misuses;
std::function<void(const std::string&)> call_listener;

void append(call_record& r, std::string_view part) {
    const std::size_t n = std::min(part.size(), line_room - r.length);
    std::memcpy(r.text + r.length, part.data(), n);
    r.length = static_cast<std::uint16_t>(r.length + n);
}

}  // namespace

void log_call(std::string_view function, std::string_view detail) {
    call_record& r = ring[next_call++ % calls_kept];
    r.length = 0;
    append(r, function);
    if (detail.data() != nullptr) {
        append(r, " ");
        append(r, detail);
    }
    if (call_listener) call_listener(std::string(r.text, r.length));
}

void log_call(std::string_view entry) { log_call(entry, std::string_view()); }

void set_call_listener(std::function<void(const std::string&)> listener) { call_listener = std::move(listener); }

void record_fault(const std::string& what) { misuses.push_back(what); }

std::vector<std::string> call_log() {
    std::vector<std::string> out;
    const std::size_t kept = std::min(next_call, calls_kept);
    out.reserve(kept);
    for (std::size_t i = next_call - kept; i < next_call; ++i) {
        const call_record& r = ring[i % calls_kept];
        out.emplace_back(r.text, r.length);
    }
    return out;
}

void clear_call_log() { next_call = 0; }

std::vector<std::string> faults() { return misuses; }

std::vector<std::string> take_faults() {
    std::vector<std::string> out;
    out.swap(misuses);
    return out;
}

}  // namespace standin
