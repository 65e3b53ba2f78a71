// The registry as RegOpenKeyExA, RegQueryValueExA and RegCloseKey see it:
// keys under the two predefined roots, each holding typed values. Key
// paths and value names compare without regard to case. An open key is a
// record of its root and path, so a key removed while open answers
// ERROR_KEY_DELETED instead of pointing at freed data.
#include <algorithm>
#include <cctype>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <map>
#include <memory>
#include <vector>

#include "platform/standin/parts.h"
#include "platform/standin/standin_control.h"

struct standin_key {
    std::string path;  // "hklm\software\...", lower case: the root, then the sub key
};

namespace standin {

namespace {

struct value {
    DWORD type = REG_SZ;
    std::string bytes;
};

// Values by lower-case name, for each existing key by lower-case full path.
std::map<std::string, std::map<std::string, value>> keys;
std::vector<std::unique_ptr<standin_key>> open_keys;

std::string lower(std::string s) {
    for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

// The predefined roots are fixed numbers, never addresses of ours.
const char* root_name(HKEY root) {
    if (root == HKEY_LOCAL_MACHINE) return "HKLM";
    if (root == HKEY_CURRENT_USER) return "HKCU";
    return nullptr;
}

standin_key* find_open(HKEY key) {
    const auto it =
        std::find_if(open_keys.begin(), open_keys.end(), [&](const auto& k) { return k.get() == key; });
    return it == open_keys.end() ? nullptr : it->get();
}

// A sub key path without the backslashes at either end.
std::string trimmed(const std::string& sub_key) {
    const auto first = sub_key.find_first_not_of('\\');
    if (first == std::string::npos) return "";
    return sub_key.substr(first, sub_key.find_last_not_of('\\') - first + 1);
}

std::string full_path(HKEY root, const std::string& sub_key) {
    const char* name = root_name(root);
    const std::string base = name != nullptr ? name : "?";
    const std::string rest = trimmed(sub_key);
    return lower(rest.empty() ? base : base + "\\" + rest);
}

// Creating a key creates its parents, as RegCreateKeyEx does.
void create_path(const std::string& path) {
    for (std::size_t at = path.find('\\'); at != std::string::npos; at = path.find('\\', at + 1))
        keys[path.substr(0, at)];
    keys[path];
}

}  // namespace

void set_registry_bytes(HKEY root, const std::string& key, const std::string& name, DWORD type,
                        const std::string& bytes) {
    const std::string path = full_path(root, key);
    create_path(path);
    keys[path][lower(name)] = value{type, bytes};
}

void set_registry_string(HKEY root, const std::string& key, const std::string& name, const std::string& text) {
    set_registry_bytes(root, key, name, REG_SZ, text + '\0');
}

void create_registry_key(HKEY root, const std::string& key) { create_path(full_path(root, key)); }

void remove_registry_value(HKEY root, const std::string& key, const std::string& name) {
    const auto it = keys.find(full_path(root, key));
    if (it != keys.end()) it->second.erase(lower(name));
}

void remove_registry_key(HKEY root, const std::string& key) {
    const std::string path = full_path(root, key);
    std::erase_if(keys, [&](const auto& entry) {
        return entry.first == path || entry.first.starts_with(path + "\\");
    });
}

int open_registry_keys() { return static_cast<int>(open_keys.size()); }

// Keys still open stay open (and counted); what they pointed at is gone.
void reset_registry() { keys.clear(); }

}  // namespace standin

using standin::find_open;
using standin::log_call;
using standin::record_fault;

extern "C" LONG WINAPI RegOpenKeyExA(HKEY root, LPCSTR sub_key, DWORD options, REGSAM access, PHKEY result) {
    const char* name = standin::root_name(root);
    standin_key* parent = name == nullptr ? find_open(root) : nullptr;
    const std::string sub = sub_key != nullptr ? sub_key : "";
    char access_text[16];
    std::snprintf(access_text, sizeof access_text, "0x%X", static_cast<unsigned>(access));
    log_call(std::string("RegOpenKeyExA ") + (name != nullptr ? name : "key") + "\\" + sub + " " + access_text);

    if (result == nullptr || options != 0) return ERROR_INVALID_PARAMETER;
    // A failure leaves the caller's handle variable as it was, unless the
    // test asked for it cleared.
    if (!standin::failures_leave_junk()) *result = nullptr;
    if (name == nullptr && parent == nullptr) {
        record_fault("RegOpenKeyExA: a key handle that is not open");
        return ERROR_INVALID_HANDLE;
    }
    std::string path;
    if (parent != nullptr) {
        const std::string rest = standin::lower(standin::trimmed(sub));
        path = rest.empty() ? parent->path : parent->path + "\\" + rest;
    } else {
        path = standin::full_path(root, sub);
    }
    if (!standin::keys.contains(path)) return ERROR_FILE_NOT_FOUND;
    standin::open_keys.push_back(std::make_unique<standin_key>(standin_key{path}));
    *result = standin::open_keys.back().get();
    return ERROR_SUCCESS;
}

// With no data buffer the call only reports the value's presence, type and
// size. A buffer too small gets ERROR_MORE_DATA, the size needed, and as
// many leading bytes of the value as fit, with no terminating zero: a
// caller that uses the buffer anyway reads an unterminated text.
extern "C" LONG WINAPI RegQueryValueExA(HKEY key, LPCSTR value_name, LPDWORD reserved, LPDWORD type, LPBYTE data,
                                        LPDWORD data_bytes) {
    const std::string name = value_name != nullptr ? value_name : "";
    log_call("RegQueryValueExA " + name + " " +
             (data == nullptr ? std::string("-") : data_bytes != nullptr ? std::to_string(*data_bytes) : "?"));

    if (reserved != nullptr || (data != nullptr && data_bytes == nullptr)) return ERROR_INVALID_PARAMETER;
    const char* root = standin::root_name(key);
    const standin_key* open = root == nullptr ? find_open(key) : nullptr;
    if (root == nullptr && open == nullptr) {
        record_fault("RegQueryValueExA: a key handle that is not open");
        return ERROR_INVALID_HANDLE;
    }
    const std::string path = open != nullptr ? open->path : standin::full_path(key, "");
    const auto k = standin::keys.find(path);
    if (k == standin::keys.end()) return ERROR_KEY_DELETED;
    const auto v = k->second.find(standin::lower(name));
    if (v == k->second.end()) return ERROR_FILE_NOT_FOUND;

    const std::string& bytes = v->second.bytes;
    const auto size = static_cast<DWORD>(bytes.size());
    if (type != nullptr) *type = v->second.type;
    if (data == nullptr) {
        if (data_bytes != nullptr) *data_bytes = size;
        return ERROR_SUCCESS;
    }
    if (*data_bytes < size) {
        std::memcpy(data, bytes.data(), *data_bytes);
        *data_bytes = size;
        return ERROR_MORE_DATA;
    }
    std::memcpy(data, bytes.data(), size);
    *data_bytes = size;
    return ERROR_SUCCESS;
}

// Closing a predefined root is allowed and does nothing, as on Windows.
extern "C" LONG WINAPI RegCloseKey(HKEY key) {
    log_call("RegCloseKey");
    if (standin::root_name(key) != nullptr) return ERROR_SUCCESS;
    const auto before = standin::open_keys.size();
    std::erase_if(standin::open_keys, [&](const auto& k) { return k.get() == key; });
    if (standin::open_keys.size() == before) {
        record_fault("RegCloseKey: a key handle that is not open");
        return ERROR_INVALID_HANDLE;
    }
    return ERROR_SUCCESS;
}
