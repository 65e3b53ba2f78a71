// Top-level windows as FindWindowA sees them: a class name and a title,
// both compared without regard to case. Handles are addresses of records
// kept here; a handle is never dereferenced before it is found among the
// live ones, so a stale handle is reported rather than followed.
#include <algorithm>
#include <cctype>
#include <memory>
#include <vector>

#include "platform/standin/parts.h"
#include "platform/standin/standin_control.h"

struct standin_window {
    std::string class_name;
    std::string title;
};

namespace standin {

namespace {

std::vector<std::unique_ptr<standin_window>> windows;

bool same_text(const std::string& a, const char* b) {
    const std::size_t n = std::char_traits<char>::length(b);
    if (a.size() != n) return false;
    for (std::size_t i = 0; i < n; ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

}  // namespace

HWND create_window(const std::string& class_name, const std::string& title) {
    windows.push_back(std::make_unique<standin_window>(standin_window{class_name, title}));
    return windows.back().get();
}

void destroy_window(HWND window) {
    const auto before = windows.size();
    std::erase_if(windows, [&](const auto& w) { return w.get() == window; });
    if (windows.size() == before) record_fault("destroy_window: not a live window");
}

int live_windows() { return static_cast<int>(windows.size()); }

bool window_exists(HWND window) {
    return window != nullptr &&
           std::any_of(windows.begin(), windows.end(), [&](const auto& w) { return w.get() == window; });
}

void reset_windows() { windows.clear(); }

}  // namespace standin

// A null class or title matches any; the first window created wins.
extern "C" HWND WINAPI FindWindowA(LPCSTR class_name, LPCSTR window_name) {
    std::string entry = "FindWindowA ";
    entry += class_name != nullptr ? class_name : "-";
    if (window_name != nullptr) entry += std::string(" ") + window_name;
    standin::log_call(entry);
    for (const auto& w : standin::windows) {
        if (class_name != nullptr && !standin::same_text(w->class_name, class_name)) continue;
        if (window_name != nullptr && !standin::same_text(w->title, window_name)) continue;
        return w.get();
    }
    return nullptr;
}
