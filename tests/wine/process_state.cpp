#include "process_state.h"

#include <windows.h>
#include <tlhelp32.h>

#include <algorithm>
#include <cctype>

namespace wine_tests {

namespace {

std::string lower(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return s;
}

}  // namespace

ProcessState process_state() {
    ProcessState state;
    const DWORD pid = GetCurrentProcessId();
    HANDLE modules = CreateToolhelp32Snapshot(TH32CS_SNAPMODULE, pid);
    if (modules != INVALID_HANDLE_VALUE) {
        MODULEENTRY32 entry{};
        entry.dwSize = sizeof entry;
        for (BOOL more = Module32First(modules, &entry); more; more = Module32Next(modules, &entry))
            state.modules.insert(lower(entry.szModule));
        CloseHandle(modules);
    }
    HANDLE threads = CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
    if (threads != INVALID_HANDLE_VALUE) {
        THREADENTRY32 entry{};
        entry.dwSize = sizeof entry;
        for (BOOL more = Thread32First(threads, &entry); more; more = Thread32Next(threads, &entry))
            if (entry.th32OwnerProcessID == pid) ++state.threads;
        CloseHandle(threads);
    }
    DWORD handles = 0;
    if (GetProcessHandleCount(GetCurrentProcess(), &handles)) state.handles = handles;
    return state;
}

bool module_loaded(const std::string& base_name) { return GetModuleHandleA(base_name.c_str()) != nullptr; }

}  // namespace wine_tests
