#include "process_state.h"

#include <windows.h>
#include <winternl.h>
#include <tlhelp32.h>

#include <algorithm>
#include <cctype>
#include <cstring>

namespace wine_tests {

namespace {

std::string lower(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return s;
}

// The system's handle table (information class 16), one entry per handle.
struct HandleEntry {
    ULONG process;
    BYTE type;
    BYTE flags;
    USHORT handle;
    PVOID object;
    ACCESS_MASK access;
};

std::vector<HandleEntry> our_handles() {
    std::vector<BYTE> buffer(1 << 20);
    for (int attempt = 0; attempt < 4; ++attempt) {
        ULONG needed = 0;
        const NTSTATUS status = NtQuerySystemInformation(static_cast<SYSTEM_INFORMATION_CLASS>(16), buffer.data(),
                                                         static_cast<ULONG>(buffer.size()), &needed);
        if (status == 0) break;
        buffer.resize(buffer.size() * 4);
    }
    ULONG count = 0;
    std::memcpy(&count, buffer.data(), sizeof count);
    const auto* entries = reinterpret_cast<const HandleEntry*>(buffer.data() + sizeof(void*));
    std::vector<HandleEntry> out;
    for (ULONG i = 0; i < count; ++i)
        if (entries[i].process == GetCurrentProcessId()) out.push_back(entries[i]);
    return out;
}

// The type number of registry keys, learnt from a key opened for the purpose.
int key_type() {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, "SOFTWARE", 0, KEY_READ, &key) != ERROR_SUCCESS) return -1;
    int type = -1;
    for (const HandleEntry& e : our_handles())
        if (reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(e.handle)) == key) type = e.type;
    RegCloseKey(key);
    return type;
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
    static const int keys = key_type();
    for (const HandleEntry& e : our_handles())
        if (e.type == keys) ++state.key_handles;
    return state;
}

bool module_loaded(const std::string& base_name) { return GetModuleHandleA(base_name.c_str()) != nullptr; }

std::multiset<std::string> heap_block_texts(std::size_t size) {
    std::multiset<std::string> out;
    HANDLE heap = GetProcessHeap();
    HeapLock(heap);
    PROCESS_HEAP_ENTRY entry{};
    while (HeapWalk(heap, &entry))
        if ((entry.wFlags & PROCESS_HEAP_ENTRY_BUSY) != 0 && entry.cbData == size) {
            const char* text = static_cast<const char*>(entry.lpData);
            out.insert(std::string(text, strnlen(text, size)));
        }
    HeapUnlock(heap);
    return out;
}

}  // namespace wine_tests
