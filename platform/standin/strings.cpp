// The KERNEL32 string copies and comparison the modules use.
#include <cstring>
#include <string>

#include "platform/standin/win32_standin.h"

extern "C" LPSTR WINAPI lstrcpyA(LPSTR dest, LPCSTR src) {
    if (dest == nullptr || src == nullptr) return nullptr;
    return std::strcpy(dest, src);
}

extern "C" LPSTR WINAPI lstrcatA(LPSTR dest, LPCSTR src) {
    if (dest == nullptr || src == nullptr) return nullptr;
    return std::strcat(dest, src);
}

// Windows compares by the user's locale in word sort, not by byte value.
// For ASCII texts that means, in this order of precedence:
//  1. letters alphabetically whatever their case, after digits, after
//     punctuation and blanks; hyphens and apostrophes are left out here;
//  2. on a tie, the first letter whose case differs: lower case first;
//  3. on a tie, hyphens and apostrophes: more of them sorts later, then
//     byte order.
// Punctuation is ordered by byte value among itself, which Windows does
// not always do; the modules compare digits, letters and full stops. A
// null pointer sorts before any text.
namespace {

bool ignored_in_word_sort(unsigned char c) { return c == '-' || c == '\''; }

int primary_weight(unsigned char c) {
    if (c >= 'a' && c <= 'z') return 0x300 + (c - 'a');
    if (c >= 'A' && c <= 'Z') return 0x300 + (c - 'A');
    if (c >= '0' && c <= '9') return 0x200 + (c - '0');
    return 0x100 + c;
}

std::string without_ignored(const char* text) {
    std::string out;
    for (const char* p = text; *p != '\0'; ++p)
        if (!ignored_in_word_sort(static_cast<unsigned char>(*p))) out += *p;
    return out;
}

int sign(int d) { return d < 0 ? -1 : (d > 0 ? 1 : 0); }

}  // namespace

extern "C" int WINAPI lstrcmpA(LPCSTR a, LPCSTR b) {
    if (a == nullptr || b == nullptr) return (a == nullptr ? 0 : 1) - (b == nullptr ? 0 : 1);
    const std::string x = without_ignored(a);
    const std::string y = without_ignored(b);
    for (std::size_t i = 0; i < x.size() && i < y.size(); ++i) {
        const int d = primary_weight(static_cast<unsigned char>(x[i])) - primary_weight(static_cast<unsigned char>(y[i]));
        if (d != 0) return sign(d);
    }
    if (x.size() != y.size()) return x.size() < y.size() ? -1 : 1;
    for (std::size_t i = 0; i < x.size(); ++i) {
        if (x[i] == y[i]) continue;
        const bool x_lower = x[i] >= 'a' && x[i] <= 'z';
        return x_lower ? -1 : 1;
    }
    const std::size_t ignored_a = std::strlen(a) - x.size();
    const std::size_t ignored_b = std::strlen(b) - y.size();
    if (ignored_a != ignored_b) return ignored_a < ignored_b ? -1 : 1;
    return sign(std::strcmp(a, b));
}
