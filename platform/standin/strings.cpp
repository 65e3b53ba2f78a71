// The KERNEL32 string copies and comparison the modules use.
#include <cstring>

#include "platform/standin/win32_standin.h"

extern "C" LPSTR WINAPI lstrcpyA(LPSTR dest, LPCSTR src) {
    if (dest == nullptr || src == nullptr) return nullptr;
    return std::strcpy(dest, src);
}

extern "C" LPSTR WINAPI lstrcatA(LPSTR dest, LPCSTR src) {
    if (dest == nullptr || src == nullptr) return nullptr;
    return std::strcat(dest, src);
}

// Windows compares by locale; for the ASCII texts the modules compare, a
// byte order with the sign of the difference is the same answer.
extern "C" int WINAPI lstrcmpA(LPCSTR a, LPCSTR b) {
    if (a == nullptr || b == nullptr) return (a == nullptr ? 0 : 1) - (b == nullptr ? 0 : 1);
    const int d = std::strcmp(a, b);
    return d < 0 ? -1 : (d > 0 ? 1 : 0);
}
