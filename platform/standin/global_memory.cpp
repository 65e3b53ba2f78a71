// GlobalAlloc and GlobalFree for fixed blocks. Each block is followed by
// guard bytes; a block written past its end is reported as a fault when it
// is freed or its contents are read. Blocks not asked to be zeroed start
// filled with a pattern, so that code relying on zeroes it did not ask for
// shows up.
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <memory>
#include <vector>

#include "platform/standin/parts.h"
#include "platform/standin/standin_control.h"

namespace standin {

namespace {

// The guard holds a zero halfway: a text left unterminated at the block's
// end then ends inside the guard, so appending to it damages the guard
// (and is reported) instead of memory beyond.
constexpr std::size_t guard_bytes = 32;
constexpr std::size_t guard_zero_at = 16;
constexpr unsigned char guard_fill = 0xFD;
constexpr unsigned char fresh_fill = 0xCD;

void fill_guard(unsigned char* guard) {
    std::memset(guard, guard_fill, guard_bytes);
    guard[guard_zero_at] = 0;
}

bool guard_intact(const unsigned char* guard) {
    for (std::size_t i = 0; i < guard_bytes; ++i)
        if (guard[i] != (i == guard_zero_at ? 0 : guard_fill)) return false;
    return true;
}

struct block {
    std::size_t bytes = 0;
    std::unique_ptr<unsigned char[]> storage;  // bytes, then the guard
    bool overrun_reported = false;
};

std::vector<block> blocks;  // live ones, in allocation order
int failures_pending = 0;

void check_guard(block& b) {
    const unsigned char* guard = b.storage.get() + b.bytes;
    if (b.overrun_reported || guard_intact(guard)) return;
    b.overrun_reported = true;
    record_fault("a GlobalAlloc block of " + std::to_string(b.bytes) + " bytes was written past its end");
}

}  // namespace

int live_global_blocks() { return static_cast<int>(blocks.size()); }

void fail_global_allocs(int count) { failures_pending = std::max(count, 0); }

std::vector<std::string> live_global_block_contents() {
    std::vector<std::string> out;
    for (block& b : blocks) {
        check_guard(b);
        out.emplace_back(reinterpret_cast<const char*>(b.storage.get()), b.bytes);
    }
    return out;
}

// Live blocks stay allocated and counted; only the injected failures go.
void reset_global_memory() { failures_pending = 0; }

}  // namespace standin

extern "C" HGLOBAL WINAPI GlobalAlloc(UINT flags, SIZE_T bytes) {
    char flags_text[16];
    std::snprintf(flags_text, sizeof flags_text, "0x%X", flags);
    standin::log_call(std::string("GlobalAlloc ") + flags_text + " " + std::to_string(bytes));
    if ((flags & ~GMEM_ZEROINIT) != 0) {
        standin::record_fault("GlobalAlloc: only fixed blocks are offered, flags " + std::string(flags_text));
        return nullptr;
    }
    if (standin::failures_pending > 0) {
        --standin::failures_pending;
        return nullptr;
    }
    standin::block b;
    b.bytes = bytes;
    b.storage = std::make_unique<unsigned char[]>(bytes + standin::guard_bytes);
    std::memset(b.storage.get(), (flags & GMEM_ZEROINIT) != 0 ? 0 : standin::fresh_fill, bytes);
    standin::fill_guard(b.storage.get() + bytes);
    standin::blocks.push_back(std::move(b));
    return standin::blocks.back().storage.get();
}

// NULL on success; the block itself when it is not a live block.
extern "C" HGLOBAL WINAPI GlobalFree(HGLOBAL block) {
    standin::log_call("GlobalFree");
    if (block == nullptr) return nullptr;
    const auto it = std::find_if(standin::blocks.begin(), standin::blocks.end(),
                                 [&](const standin::block& b) { return b.storage.get() == block; });
    if (it == standin::blocks.end()) {
        standin::record_fault("GlobalFree: not a live block (freed twice, or never allocated)");
        return block;
    }
    standin::check_guard(*it);
    standin::blocks.erase(it);
    return nullptr;
}
