// The readouts' own fixed-point texts against what printf's "%*.*f" writes:
// rounding on the exact binary value with ties to even, the sign of
// negative zeros and of negatives that round to zero, padding, and the
// values too large or not finite for any field.
#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <limits>
#include <string>

#include "readouts/fixed_point.h"

namespace {

struct fixed_case {
    double x;
    int width;
    int decimals;
    const char* expected;  // nullptr: no text (-1)
};

// The expected texts are those the C library writes.
constexpr fixed_case cases[] = {
    {0.25, 6, 1, "   0.2"},     // an exact tie goes to the even digit
    {0.125, 5, 2, " 0.12"},
    {0.375, 5, 2, " 0.38"},
    {0.35, 6, 1, "   0.3"},     // just below the tie in binary
    {0.45, 6, 1, "   0.5"},     // just above it
    {2.675, 5, 2, " 2.67"},
    {1.005, 5, 2, " 1.00"},
    {0.05, 5, 2, " 0.05"},
    {19.4395, 6, 1, "  19.4"},
    {-1.94395, 6, 1, "  -1.9"},
    {29.92, 5, 2, "29.92"},
    {-0.0, 6, 1, "  -0.0"},     // the sign of a negative zero stays
    {-0.04, 6, 1, "  -0.0"},    // and of a negative that rounds to zero
    {5e-324, 6, 1, "   0.0"},   // the smallest subnormals
    {-5e-324, 6, 1, "  -0.0"},
    {9999.95, 6, 1, "10000.0"}, // wider than the width: not cut
    {123456.78, 5, 2, "123456.78"},
    {2147483647.0, 6, 1, "2147483647.0"},
    {2147483648.0, 6, 1, nullptr},  // 2^31 and beyond: wider than any field
    {-1e300, 6, 1, nullptr},
    {std::numeric_limits<double>::infinity(), 6, 1, nullptr},
    {std::numeric_limits<double>::quiet_NaN(), 5, 2, nullptr},
};

TEST(FixedPointText, WritesWhatPrintfWrites) {
    for (const fixed_case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.x << " %" << c.width << '.' << c.decimals << 'f');
        char out[64];
        const int n = fixed_point_text(out, sizeof out, c.x, c.width, c.decimals);
        if (c.expected == nullptr) {
            EXPECT_EQ(n, -1);
            continue;
        }
        EXPECT_EQ(std::string(out), c.expected);
        EXPECT_EQ(n, static_cast<int>(std::string(c.expected).size()));
    }
}

TEST(FixedPointText, RefusesATextWithoutRoomForItsZero) {
    char out[8] = "xxxxxxx";
    EXPECT_EQ(fixed_point_text(out, 6, 1234.5, 6, 1), -1);  // six characters and the zero need seven bytes
    EXPECT_STREQ(out, "xxxxxxx");
    EXPECT_EQ(fixed_point_text(out, 7, 1234.5, 6, 1), 6);
    EXPECT_STREQ(out, "1234.5");
}

#if !defined(_WIN32)
// Natively the C library is the reference (glibc rounds exactly). Every
// value below 2^31 that a readout can show, swept across its magnitudes,
// with the decimal ties and their neighbours one unit in the last place
// either side, where a rounding slip would show.
TEST(FixedPointText, AgreesWithTheCLibraryAcrossTheRange) {
    int checked = 0;
    int failed = 0;
    auto check = [&](double x, int width, int decimals) {
        char ours[64];
        char theirs[64];
        const int n = fixed_point_text(ours, sizeof ours, x, width, decimals);
        const int m = std::snprintf(theirs, sizeof theirs, "%*.*f", width, decimals, x);
        ++checked;
        if (n != m || std::string(ours, n > 0 ? n : 0) != std::string(theirs, m > 0 ? m : 0)) {
            if (++failed <= 10) ADD_FAILURE() << std::hexfloat << x << ": ours \"" << ours << "\", the C library's \"" << theirs << '"';
        }
    };
    for (int decimals = 1; decimals <= 2; ++decimals) {
        const int width = decimals == 1 ? 6 : 5;
        const double step = decimals == 1 ? 0.05 : 0.005;  // the ties
        for (int k = -200000; k <= 200000; ++k) {
            const double tie = k * step;
            check(tie, width, decimals);
            check(std::nextafter(tie, -INFINITY), width, decimals);
            check(std::nextafter(tie, INFINITY), width, decimals);
        }
        // Every binary exponent a readout can meet, with varied mantissas.
        std::uint64_t state = 0x9E3779B97F4A7C15ULL;
        for (int i = 0; i < 200000; ++i) {
            state ^= state << 13;
            state ^= state >> 7;
            state ^= state << 17;
            const std::uint64_t exponent = 1023 - 60 + (state >> 58) % 91;  // 2^-60 to 2^30
            const double x = std::bit_cast<double>((state & 0x800FFFFFFFFFFFFFULL) | (exponent << 52));
            check(x, width, decimals);
        }
    }
    EXPECT_EQ(failed, 0) << "of " << checked;
}
#endif

}  // namespace
