// wsprintfA as USER32 has it: integer, hexadecimal, character and string
// conversions with flags, width and precision, no floating point, and at
// most 1024 bytes written including the terminating zero.
//
// Modules call it for every text of every frame, so it touches no heap and
// writes each conversion as its parts (padding, sign or prefix, zeros,
// digits or text) straight into the caller's buffer, as USER32 does: never
// past its 1024 bytes, nor past the text's terminating zero.
#include <cstdarg>
#include <cstring>

#include "platform/standin/win32_standin.h"

namespace {

constexpr std::size_t output_cap = 1024;

// The text written so far. `length` counts every character produced, also
// those past the cap that are dropped: the format is read on only while
// the text is under the cap, and a conversion that crosses it is cut.
struct output {
    char* text;
    std::size_t length = 0;

    void put(char c) {
        if (length < output_cap - 1) text[length] = c;
        ++length;
    }
    void put(const char* s, std::size_t n) {
        if (length + n <= output_cap - 1) {
            // Conversions are a few characters: a loop beats a call.
            char* at = text + length;
            for (std::size_t i = 0; i < n; ++i) at[i] = s[i];
            length += n;
            return;
        }
        for (std::size_t i = 0; i < n && length < output_cap; ++i) put(s[i]);
    }
    void repeat(char c, std::size_t n) {
        for (std::size_t i = 0; i < n && length < output_cap; ++i) put(c);
    }
};

struct conversion {
    bool left = false;
    bool zero = false;
    bool alternate = false;
    unsigned width = 0;
    int precision = -1;
};

// One conversion as [lead][zeros][body]: lead is a sign and/or a "0x"
// prefix, zeros are those the precision asks for. Width padding goes
// before the lead (spaces), between lead and zeros (zeros, for numbers with
// the 0 flag), or after everything (left justified).
[[gnu::always_inline]] inline void emit(output& out, const conversion& c, bool numeric, const char* lead, std::size_t lead_n,
                 std::size_t zeros, const char* body, std::size_t body_n) {
    const std::size_t size = lead_n + zeros + body_n;
    const std::size_t fill = size < c.width ? c.width - size : 0;
    if (fill > 0 && !c.left && !(c.zero && numeric)) out.repeat(' ', fill);
    out.put(lead, lead_n);
    if (fill > 0 && !c.left && c.zero && numeric) out.repeat('0', fill);
    out.repeat('0', zeros);
    out.put(body, body_n);
    if (fill > 0 && c.left) out.repeat(' ', fill);
}

[[gnu::always_inline]] inline void number(output& out, const conversion& c, const char* lead, std::size_t lead_n,
                   unsigned long long value, bool hex, bool upper) {
    char digits[24];
    char* at = digits + sizeof digits;
    if (hex) {
        const char* set = upper ? "0123456789ABCDEF" : "0123456789abcdef";
        do {
            *--at = set[value & 0xF];
            value >>= 4;
        } while (value != 0);
    } else {
        do {
            *--at = static_cast<char>('0' + value % 10);
            value /= 10;
        } while (value != 0);
    }
    const std::size_t n = static_cast<std::size_t>(digits + sizeof digits - at);
    const std::size_t zeros =
        c.precision >= 0 && n < static_cast<std::size_t>(c.precision) ? static_cast<std::size_t>(c.precision) - n : 0;
    emit(out, c, true, lead, lead_n, zeros, at, n);
}

}  // namespace

extern "C" int WINAPIV wsprintfA(LPSTR dest, LPCSTR format, ...) {
    va_list args;
    va_start(args, format);
    output out{dest};
    for (const char* p = format; *p != '\0' && out.length < output_cap; ++p) {
        if (*p != '%') {
            out.put(*p);
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
        while (*p >= '0' && *p <= '9') c.width = c.width * 10 + static_cast<unsigned>(*p++ - '0');
        if (*p == '.') {
            c.precision = 0;
            ++p;
            while (*p >= '0' && *p <= '9') c.precision = c.precision * 10 + (*p++ - '0');
        }
        bool wide64 = false;
        if (*p == 'l' || *p == 'h') {
            ++p;
        } else if (p[0] == 'I' && p[1] == '6' && p[2] == '4') {
            wide64 = true;
            p += 3;
        }
        // A format that ends inside a conversion ends the text there.
        if (*p == '\0') break;
        switch (*p) {
            case 'd':
            case 'i': {
                long long v = wide64 ? va_arg(args, long long) : va_arg(args, int);
                unsigned long long magnitude = v < 0 ? 0ULL - static_cast<unsigned long long>(v)
                                                     : static_cast<unsigned long long>(v);
                number(out, c, "-", v < 0 ? 1 : 0, magnitude, false, false);
                break;
            }
            case 'u': {
                unsigned long long v = wide64 ? va_arg(args, unsigned long long) : va_arg(args, unsigned);
                number(out, c, "", 0, v, false, false);
                break;
            }
            case 'x':
            case 'X': {
                unsigned long long v = wide64 ? va_arg(args, unsigned long long) : va_arg(args, unsigned);
                const bool prefix = c.alternate && v != 0;
                number(out, c, *p == 'X' ? "0X" : "0x", prefix ? 2 : 0, v, true, *p == 'X');
                break;
            }
            case 'c': {
                const char ch = static_cast<char>(va_arg(args, int));
                emit(out, c, false, "", 0, 0, &ch, 1);
                break;
            }
            case 's': {
                const char* s = va_arg(args, const char*);
                if (s == nullptr) s = "(null)";
                const std::size_t n =
                    c.precision >= 0 ? strnlen(s, static_cast<std::size_t>(c.precision)) : std::strlen(s);
                emit(out, c, false, "", 0, 0, s, n);
                break;
            }
            default:  // an unknown conversion, "%%" among them, writes its character
                out.put(*p);
                break;
        }
    }
    va_end(args);
    const std::size_t n = out.length < output_cap - 1 ? out.length : output_cap - 1;
    dest[n] = '\0';
    return static_cast<int>(n);
}
