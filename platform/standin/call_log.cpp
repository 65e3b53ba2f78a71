// What tests read back about how the stand-in was used: the calls in
// order, and the misuses that Windows would reject or punish.
#include "platform/standin/parts.h"
#include "platform/standin/standin_control.h"

namespace standin {

namespace {
// The log keeps the most recent calls only, so that a module running for
// millions of frames (a benchmark, a fuzzing run) does not grow it forever.
constexpr std::size_t calls_kept = 4096;
std::vector<std::string> calls;
std::vector<std::string> misuses;
std::function<void(const std::string&)> call_listener;
}  // namespace

void log_call(const std::string& entry) {
    if (calls.size() >= 2 * calls_kept) calls.erase(calls.begin(), calls.end() - static_cast<std::ptrdiff_t>(calls_kept));
    calls.push_back(entry);
    if (call_listener) call_listener(entry);
}

void set_call_listener(std::function<void(const std::string&)> listener) { call_listener = std::move(listener); }

void record_fault(const std::string& what) { misuses.push_back(what); }

std::vector<std::string> call_log() { return calls; }

void clear_call_log() { calls.clear(); }

std::vector<std::string> faults() { return misuses; }

std::vector<std::string> take_faults() {
    std::vector<std::string> out;
    out.swap(misuses);
    return out;
}

}  // namespace standin
