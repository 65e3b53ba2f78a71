// wsprintfA as USER32 has it: integer, hexadecimal, character and string
// conversions with flags, width and precision, no floating point, and at
// most 1024 bytes written including the terminating zero.
//
// Modules call it for every text of every frame, so it touches no heap and
// writes each conversion as its parts (padding, sign or prefix, zeros,
// digits or text) straight into the caller's buffer, as USER32 does. A
// conversion that fits in the room left is written without further checks;
// one that does not is clipped piece by piece: the text is the first 1023
// characters of the whole formatted text, and formatting stops as soon as
// that room is used up. State is kept in locals so that the compiler need
// not reload it after every character stored.
#include <bit>
#include <cstdarg>
#include <cstdint>
#include <cstring>

#include "platform/standin/win32_standin.h"

namespace {

constexpr std::size_t output_cap = 1024;

// Widths and precisions beyond the cap write nothing more, so they are
// held at it rather than wrapping around.
constexpr unsigned number_limit = output_cap;

// A conversion letter that needs nothing read before it: not a flag, digit,
// precision, size or the end of the format.
inline bool is_plain_type(char c) { return c == 'd' || c == 'X' || c == 'x' || c == 'u' || c == 'i'; }

// Reads a run of decimal digits, held at number_limit.
unsigned read_number(const char*& p) {
    unsigned n = 0;
    while (*p >= '0' && *p <= '9') {
        n = n * 10 + static_cast<unsigned>(*p++ - '0');
        if (n > number_limit) n = number_limit;
    }
    return n;
}

// How one conversion is laid out: [fill][lead][zeros][body][fill]. Lead is
// a sign and/or a "0x" prefix, zeros are those the precision asks for.
// Width padding goes before the lead (spaces), between lead and zeros
// (zeros, for numbers with the 0 flag), or after everything (left
// justified).
struct layout {
    unsigned width;
    bool left;
    bool zero_fill;  // the 0 flag on a number, not left justified
    const char* lead;
    std::size_t lead_n;
    std::size_t zeros;
    const char* body;
    std::size_t body_n;
};

char* copy(char* to, const char* from, std::size_t n) {
    for (std::size_t i = 0; i < n; ++i) to[i] = from[i];
    return to + n;
}

char* repeat(char* to, char c, std::size_t n) {
    for (std::size_t i = 0; i < n; ++i) to[i] = c;
    return to + n;
}

// Writes a conversion at `to`, never past `end`; returns where it ended.
[[gnu::always_inline]] inline char* emit(char* to, char* end, const layout& l) {
    const std::size_t size = l.lead_n + l.zeros + l.body_n;
    const std::size_t fill = size < l.width ? l.width - size : 0;
    const std::size_t before = l.left || l.zero_fill ? 0 : fill;
    const std::size_t zeros = l.zeros + (l.zero_fill ? fill : 0);
    const std::size_t after = l.left ? fill : 0;
    if (size + fill <= static_cast<std::size_t>(end - to)) {
        to = repeat(to, ' ', before);
        to = copy(to, l.lead, l.lead_n);
        to = repeat(to, '0', zeros);
        to = copy(to, l.body, l.body_n);
        return repeat(to, ' ', after);
    }
    auto clip = [&](std::size_t n) { return n < static_cast<std::size_t>(end - to) ? n : static_cast<std::size_t>(end - to); };
    to = repeat(to, ' ', clip(before));
    to = copy(to, l.lead, clip(l.lead_n));
    to = repeat(to, '0', clip(zeros));
    to = copy(to, l.body, clip(l.body_n));
    return repeat(to, ' ', clip(after));
}

// "00" to "99": decimal digits are made two at a time.
constexpr char digit_pairs[] =
    "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
    "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
    "8081828384858687888990919293949596979899";

constexpr std::uint64_t powers_of_ten[20] = {1ULL,
                                             10ULL,
                                             100ULL,
                                             1000ULL,
                                             10000ULL,
                                             100000ULL,
                                             1000000ULL,
                                             10000000ULL,
                                             100000000ULL,
                                             1000000000ULL,
                                             10000000000ULL,
                                             100000000000ULL,
                                             1000000000000ULL,
                                             10000000000000ULL,
                                             100000000000000ULL,
                                             1000000000000000ULL,
                                             10000000000000000ULL,
                                             100000000000000000ULL,
                                             1000000000000000000ULL,
                                             10000000000000000000ULL};

// How many digits a value has (0 has one): from its bit width (1233/4096
// is just under log10 2), corrected by one power of ten. Setting the lowest
// bit changes no count and makes 0 count as 1.
template <class Unsigned>
[[gnu::always_inline]] inline std::size_t digit_count(Unsigned value, bool hex) {
    value |= 1;
    const unsigned bits = static_cast<unsigned>(std::bit_width(value));
    if (hex) return (bits + 3) / 4;
    const unsigned guess = (bits * 1233) >> 12;
    return guess + (value >= powers_of_ten[guess] ? 1 : 0);
}

// Writes the digits of a value so that they end just before `end`.
template <class Unsigned>
[[gnu::always_inline]] inline void write_digits(Unsigned value, bool hex, bool upper, char* end) {
    char* at = end;
    if (hex) {
        const char* set = upper ? "0123456789ABCDEF" : "0123456789abcdef";
        do {
            *--at = set[value & 0xF];
            value >>= 4;
        } while (value != 0);
        return;
    }
    while (value >= 100) {
        const Unsigned rest = value / 100;
        const unsigned pair = static_cast<unsigned>(value - rest * 100);
        at -= 2;
        at[0] = digit_pairs[2 * pair];
        at[1] = digit_pairs[2 * pair + 1];
        value = rest;
    }
    if (value >= 10) {
        at[-2] = digit_pairs[2 * value];
        at[-1] = digit_pairs[2 * value + 1];
    } else {
        at[-1] = static_cast<char>('0' + value);
    }
}

// A number conversion: [fill][lead][zeros][digits] or, left justified,
// [lead][zeros][digits][fill]. The digits go straight to their place; a
// conversion that does not fit in the room left is formed aside and
// clipped.
template <class Unsigned>
[[gnu::always_inline]] inline char* number(char* to, char* end, unsigned width, bool left, bool zero, int precision,
                                           const char* lead, std::size_t lead_n, Unsigned value, bool hex,
                                           bool upper) {
    const std::size_t n = digit_count(value, hex);
    if (precision < 0 && !left) {
        // The usual shape ("%5d", "%02d", "%04X"): the digits end the field,
        // and spaces before the sign, or zeros after it, fill the rest.
        const std::size_t size = lead_n + n;
        const std::size_t total = size < width ? width : size;
        if (total <= static_cast<std::size_t>(end - to)) {
            char* const stop = to + total;
            char* const digits_at = stop - n;
            write_digits(value, hex, upper, stop);
            if (zero) {
                repeat(copy(to, lead, lead_n), '0', static_cast<std::size_t>(digits_at - to) - lead_n);
            } else {
                copy(digits_at - lead_n, lead, lead_n);
                repeat(to, ' ', static_cast<std::size_t>(digits_at - to) - lead_n);
            }
            return stop;
        }
    }
    const std::size_t wanted = precision > 0 ? static_cast<std::size_t>(precision) : 0;
    std::size_t zeros = n < wanted ? wanted - n : 0;
    const std::size_t size = lead_n + zeros + n;
    std::size_t fill = size < width ? width - size : 0;
    const std::size_t total = size + fill;
    if (total > static_cast<std::size_t>(end - to)) {
        char digits[24];
        write_digits(value, hex, upper, digits + n);
        return emit(to, end, layout{.width = width, .left = left, .zero_fill = zero && !left, .lead = lead,
                                    .lead_n = lead_n, .zeros = zeros, .body = digits, .body_n = n});
    }
    if (left) {
        char* at = copy(to, lead, lead_n);
        at = repeat(at, '0', zeros);
        write_digits(value, hex, upper, at + n);
        repeat(at + n, ' ', fill);
        return to + total;
    }
    if (zero) {
        zeros += fill;
        fill = 0;
    }
    char* at = repeat(to, ' ', fill);
    at = copy(at, lead, lead_n);
    at = repeat(at, '0', zeros);
    write_digits(value, hex, upper, at + n);
    return to + total;
}

}  // namespace

extern "C" int WINAPIV wsprintfA(LPSTR dest, LPCSTR format, ...) {
    va_list args;
    va_start(args, format);
    char* to = dest;
    char* const end = dest + output_cap - 1;  // the zero goes at end at the latest
    const char* p = format;
    while (to != end) {
        const char ch = *p++;
        if (ch != '%') {
            if (ch == '\0') break;
            *to++ = ch;
            continue;
        }
        bool left = false;
        bool zero = false;
        bool alternate = false;
        unsigned width = 0;
        int precision = -1;
        bool wide64 = false;
        // The shapes modules write ("%d", "%5d", "%02d", "%04X") are read
        // at a glance; anything else goes through the whole grammar.
        if (is_plain_type(p[0])) {
        } else if (p[0] >= '1' && p[0] <= '9' && is_plain_type(p[1])) {
            width = static_cast<unsigned>(p[0] - '0');
            p += 1;
        } else if (p[0] == '0' && p[1] >= '1' && p[1] <= '9' && is_plain_type(p[2])) {
            zero = true;
            width = static_cast<unsigned>(p[1] - '0');
            p += 2;
        } else {
            for (;; ++p) {
                if (*p == '-') left = true;
                else if (*p == '0') zero = true;
                else if (*p == '#') alternate = true;
                else break;
            }
            width = read_number(p);
            if (*p == '.') {
                ++p;
                precision = static_cast<int>(read_number(p));
            }
            if (*p == 'l' || *p == 'h') {
                ++p;
            } else if (p[0] == 'I' && p[1] == '6' && p[2] == '4') {
                wide64 = true;
                p += 3;
            }
        }
        // A format that ends inside a conversion ends the text there.
        const char type = *p;
        if (type == '\0') break;
        ++p;

        switch (type) {
            case 'd':
            case 'i':
                if (wide64) {
                    const long long v = va_arg(args, long long);
                    const unsigned long long m = v < 0 ? 0ULL - static_cast<unsigned long long>(v) : static_cast<unsigned long long>(v);
                    to = number(to, end, width, left, zero, precision, "-", v < 0 ? 1 : 0, m, false, false);
                } else {
                    const int v = va_arg(args, int);
                    const unsigned m = v < 0 ? 0U - static_cast<unsigned>(v) : static_cast<unsigned>(v);
                    to = number(to, end, width, left, zero, precision, "-", v < 0 ? 1 : 0, m, false, false);
                }
                break;
            case 'u':
                if (wide64)
                    to = number(to, end, width, left, zero, precision, "", 0, va_arg(args, unsigned long long), false, false);
                else
                    to = number(to, end, width, left, zero, precision, "", 0, va_arg(args, unsigned), false, false);
                break;
            case 'x':
            case 'X': {
                const char* prefix = type == 'X' ? "0X" : "0x";
                if (wide64) {
                    const unsigned long long v = va_arg(args, unsigned long long);
                    to = number(to, end, width, left, zero, precision, prefix, alternate && v != 0 ? 2 : 0, v, true,
                                type == 'X');
                } else {
                    const unsigned v = va_arg(args, unsigned);
                    to = number(to, end, width, left, zero, precision, prefix, alternate && v != 0 ? 2 : 0, v, true,
                                type == 'X');
                }
                break;
            }
            case 'c': {
                const char character = static_cast<char>(va_arg(args, int));
                to = emit(to, end, layout{.width = width, .left = left, .zero_fill = false, .lead = "", .lead_n = 0,
                                          .zeros = 0, .body = &character, .body_n = 1});
                break;
            }
            case 's': {
                const char* s = va_arg(args, const char*);
                if (s == nullptr) s = "(null)";
                const std::size_t n =
                    precision >= 0 ? strnlen(s, static_cast<std::size_t>(precision)) : std::strlen(s);
                to = emit(to, end, layout{.width = width, .left = left, .zero_fill = false, .lead = "", .lead_n = 0,
                                          .zeros = 0, .body = s, .body_n = n});
                break;
            }
            default:  // an unknown conversion, "%%" among them, writes its character
                *to++ = type;
                break;
        }
    }
    va_end(args);
    *to = '\0';
    return static_cast<int>(to - dest);
}
