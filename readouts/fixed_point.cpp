// Fixed-point texts, exactly as printf's "%*.*f" forms them for the values
// a readout can show.
//
// A finite double is m * 2^e with a whole m below 2^53. Below 2^31, e is
// at most -22, so x * 10^d (d at most 2) is m * 10^d / 2^k with m * 10^d
// below 2^60 and k = -e: one 64-bit product, a shift and a remainder round
// it exactly, ties going to the even neighbour as printf's rounding does.
#include "readouts/fixed_point.h"

#include <bit>
#include <cstdint>

int fixed_point_text(char* out, std::size_t room, double x, int width, int decimals) {
    const std::uint64_t bits = std::bit_cast<std::uint64_t>(x);
    const bool negative = (bits >> 63) != 0;
    const unsigned biased = static_cast<unsigned>(bits >> 52) & 0x7FF;
    const std::uint64_t fraction = bits & ((std::uint64_t{1} << 52) - 1);
    // Not finite, or 2^31 and above: wider than any field.
    if (biased >= 1023 + 31) return -1;
    const std::uint64_t m = biased == 0 ? fraction : fraction | (std::uint64_t{1} << 52);
    const unsigned shift = biased == 0 ? 1074 : 1075 - biased;  // at least 22
    const std::uint64_t scaled = m * (decimals == 1 ? 10 : 100);

    std::uint64_t whole = 0;  // x * 10^d, rounded
    if (shift < 64) {
        whole = scaled >> shift;
        const std::uint64_t rest = scaled & ((std::uint64_t{1} << shift) - 1);
        const std::uint64_t half = std::uint64_t{1} << (shift - 1);
        if (rest > half || (rest == half && (whole & 1) != 0)) ++whole;
    }  // else below 2^-4 of a unit: rounds to 0

    // The digits, at least one before the point.
    char digits[24];
    int n = 0;
    do {
        digits[n++] = static_cast<char>('0' + whole % 10);
        whole /= 10;
    } while (whole != 0 || n <= decimals);
    const int length = (negative ? 1 : 0) + n + 1;
    const int total = length < width ? width : length;
    if (static_cast<std::size_t>(total) + 1 > room) return -1;

    char* at = out;
    for (int i = length; i < total; ++i) *at++ = ' ';
    if (negative) *at++ = '-';
    for (int i = n - 1; i >= 0; --i) {
        *at++ = digits[i];
        if (i == decimals) *at++ = '.';
    }
    *at = '\0';
    return total;
}
