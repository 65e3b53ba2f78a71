// wsprintfA as USER32 has it: integer, hexadecimal, character and string
// conversions with flags, width and precision, no floating point, and at
// most 1024 bytes written including the terminating zero.
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <string>

#include "platform/standin/win32_standin.h"

namespace {

constexpr std::size_t output_cap = 1024;

struct conversion {
    bool left = false;
    bool zero = false;
    bool alternate = false;
    int width = 0;
    int precision = -1;
};

std::string pad(std::string body, const conversion& c, bool numeric) {
    if (static_cast<int>(body.size()) >= c.width) return body;
    const std::size_t fill = static_cast<std::size_t>(c.width) - body.size();
    if (c.left) return body + std::string(fill, ' ');
    if (c.zero && numeric) {
        std::size_t sign = (!body.empty() && body[0] == '-') ? 1 : 0;
        if (body.compare(sign, 2, "0x") == 0 || body.compare(sign, 2, "0X") == 0) sign += 2;
        return body.substr(0, sign) + std::string(fill, '0') + body.substr(sign);
    }
    return std::string(fill, ' ') + body;
}

std::string digits(unsigned long long value, unsigned base, bool upper, int precision) {
    const char* set = upper ? "0123456789ABCDEF" : "0123456789abcdef";
    std::string out;
    do {
        out.insert(out.begin(), set[value % base]);
        value /= base;
    } while (value != 0);
    while (precision >= 0 && static_cast<int>(out.size()) < precision) out.insert(out.begin(), '0');
    return out;
}

}  // namespace

extern "C" int WINAPIV wsprintfA(LPSTR out, LPCSTR format, ...) {
    va_list args;
    va_start(args, format);
    std::string text;
    for (const char* p = format; *p != '\0' && text.size() < output_cap; ++p) {
        if (*p != '%') {
            text += *p;
            continue;
        }
        ++p;
        if (*p == '\0') break;
        conversion c;
        for (;; ++p) {
            if (*p == '-') c.left = true;
            else if (*p == '0') c.zero = true;
            else if (*p == '#') c.alternate = true;
            else break;
        }
        while (*p >= '0' && *p <= '9') c.width = c.width * 10 + (*p++ - '0');
        if (*p == '.') {
            c.precision = 0;
            ++p;
            while (*p >= '0' && *p <= '9') c.precision = c.precision * 10 + (*p++ - '0');
        }
        bool wide64 = false;
        if (*p == 'l' || *p == 'h') {
            ++p;
        } else if (std::strncmp(p, "I64", 3) == 0) {
            wide64 = true;
            p += 3;
        }
        switch (*p) {
            case 'd':
            case 'i': {
                long long v = wide64 ? va_arg(args, long long) : va_arg(args, int);
                unsigned long long magnitude = v < 0 ? 0ULL - static_cast<unsigned long long>(v)
                                                     : static_cast<unsigned long long>(v);
                text += pad((v < 0 ? "-" : "") + digits(magnitude, 10, false, c.precision), c, true);
                break;
            }
            case 'u': {
                unsigned long long v = wide64 ? va_arg(args, unsigned long long) : va_arg(args, unsigned);
                text += pad(digits(v, 10, false, c.precision), c, true);
                break;
            }
            case 'x':
            case 'X': {
                unsigned long long v = wide64 ? va_arg(args, unsigned long long) : va_arg(args, unsigned);
                std::string body = digits(v, 16, *p == 'X', c.precision);
                if (c.alternate && v != 0) body = (*p == 'X' ? "0X" : "0x") + body;
                text += pad(body, c, true);
                break;
            }
            case 'c':
                text += pad(std::string(1, static_cast<char>(va_arg(args, int))), c, false);
                break;
            case 's': {
                const char* s = va_arg(args, const char*);
                std::string body = s != nullptr ? s : "(null)";
                if (c.precision >= 0 && body.size() > static_cast<std::size_t>(c.precision))
                    body.resize(static_cast<std::size_t>(c.precision));
                text += pad(body, c, false);
                break;
            }
            default:  // an unknown conversion, "%%" among them, writes its character
                text += *p;
                break;
        }
    }
    va_end(args);
    if (text.size() > output_cap - 1) text.resize(output_cap - 1);
    std::memcpy(out, text.c_str(), text.size() + 1);
    return static_cast<int>(text.size());
}
