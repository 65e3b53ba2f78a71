// The readout rules as a table: values in the three slots of a readout go
// in, the text of its field and the value its callback returns come out.
#include <gmock/gmock.h>

#include <cmath>
#include <iomanip>
#include <limits>

#include "readouts_fixture.h"

namespace {

constexpr double nan = std::numeric_limits<double>::quiet_NaN();
constexpr double inf = std::numeric_limits<double>::infinity();

struct format_case {
    const char* gauge;
    std::array<double, 3> values;
    const char* text;
    double value;  // NaN where the callback returns NaN
};

std::ostream& operator<<(std::ostream& os, const format_case& c) {
    os << std::setprecision(12);  // rows a hair from an edge stay apart
    return os << c.gauge << "(" << c.values[0] << ", " << c.values[1] << ", " << c.values[2] << ")";
}

class ReadoutFormatting : public ReadoutsTest, public ::testing::WithParamInterface<format_case> {};

TEST_P(ReadoutFormatting, ShowsTheTextAndReturnsTheValue) {
    const format_case& c = GetParam();
    const shown s = show(c.gauge, c.values);
    EXPECT_EQ(s.text, c.text);
    if (std::isnan(c.value)) {
        EXPECT_TRUE(std::isnan(s.value)) << s.value;
    } else {
        EXPECT_DOUBLE_EQ(s.value, c.value);
    }
}

// Clamped degrees: 359 is the last value shown, anything above it and
// anything below 0 shows 0; whole degrees, never rounded up.
INSTANTIATE_TEST_SUITE_P(ClampedDegrees, ReadoutFormatting, ::testing::Values(
    format_case{"NAV1_Radial", {359, 0, 0}, "359", 359},
    format_case{"NAV1_Radial", {359.2, 0, 0}, "  0", 0},
    format_case{"NAV1_Radial", {360, 0, 0}, "  0", 0},
    format_case{"NAV1_Radial", {400, 0, 0}, "  0", 0},
    format_case{"NAV1_Radial", {-0.1, 0, 0}, "  0", 0},
    format_case{"NAV1_Radial", {45.9, 0, 0}, " 45", 45.9},
    format_case{"NAV1_Radial", {358.9, 0, 0}, "358", 358.9},
    format_case{"NAV1_Radial", {0, 0, 0}, "  0", 0},
    format_case{"NAV1_Radial", {7, 0, 0}, "  7", 7},
    format_case{"NAV2_Radial", {180.5, 0, 0}, "180", 180.5},
    format_case{"NAV2_Radial", {359.5, 0, 0}, "  0", 0},
    format_case{"ADF_Radial", {90.99, 0, 0}, " 90", 90.99},
    format_case{"ADF_Radial", {-45, 0, 0}, "  0", 0},
    format_case{"HeadingBug", {12, 0, 0}, " 12", 12},
    format_case{"HeadingBug", {361, 0, 0}, "  0", 0},
    format_case{"Heading", {270.4, 0, 0}, "270", 270.4},
    format_case{"Heading", {-1, 0, 0}, "  0", 0},
    format_case{"Compass", {1.5, 0, 0}, "  1", 1.5},
    format_case{"Compass", {720, 0, 0}, "  0", 0},
    // Next to the bound, values a 32-bit float cannot hold: they round to 359
    // or 359.0000x and would land on the wrong side.
    format_case{"NAV1_Radial", {359.00000001, 0, 0}, "  0", 0},
    format_case{"NAV1_Radial", {358.99999999, 0, 0}, "358", 358.99999999},
    format_case{"Heading", {-0.00000001, 0, 0}, "  0", 0},
    // Not a number and the infinities show 0 and return 0, as the rule says.
    format_case{"NAV1_Radial", {nan, 0, 0}, "  0", 0},
    format_case{"Heading", {inf, 0, 0}, "  0", 0},
    format_case{"Compass", {-inf, 0, 0}, "  0", 0}));

// Altitude: half-up rounding of positives, truncation of negatives, the
// value returned as given.
INSTANTIATE_TEST_SUITE_P(RoundedAltitude, ReadoutFormatting, ::testing::Values(
    format_case{"Altitiude", {1234.5, 0, 0}, " 1235", 1234.5},
    format_case{"Altitiude", {1234.49, 0, 0}, " 1234", 1234.49},
    format_case{"Altitiude", {-20.7, 0, 0}, "  -20", -20.7},
    format_case{"Altitiude", {20.5, 0, 0}, "   21", 20.5},
    format_case{"Altitiude", {0.49, 0, 0}, "    0", 0.49},
    format_case{"Altitiude", {99999.4, 0, 0}, "99999", 99999.4},
    format_case{"Altitiude", {-9999.9, 0, 0}, "-9999", -9999.9},
    // Just below and above a half, where a 32-bit float would round the
    // value or its fraction to exactly .5 and round up wrongly.
    format_case{"Altitiude", {1234.49999999, 0, 0}, " 1234", 1234.49999999},
    format_case{"Altitiude", {1234.50000001, 0, 0}, " 1235", 1234.50000001},
    format_case{"Altitiude", {99999.4999, 0, 0}, "99999", 99999.4999},
    // Not a number shows 0, and the value is handed back as it came.
    format_case{"Altitiude", {nan, 0, 0}, "    0", nan},
    format_case{"Altitiude", {inf, 0, 0}, "*****", inf}));

// Vertical speed: metres per second times 256 to feet per minute (units 0,
// or not a number) or metres per minute (any other units value).
INSTANTIATE_TEST_SUITE_P(RoundedVerticalSpeed, ReadoutFormatting, ::testing::Values(
    format_case{"VSpeed", {256, 0, 0}, "  197", 196.86},
    format_case{"VSpeed", {256, 1, 0}, "   60", 60},
    format_case{"VSpeed", {256, 2, 0}, "   60", 60},
    format_case{"VSpeed", {256, -1, 0}, "   60", 60},
    format_case{"VSpeed", {256, nan, 0}, "  197", 196.86},
    format_case{"VSpeed", {-256, 0, 0}, " -196", -196.86},
    format_case{"VSpeed", {0, 0, 0}, "    0", 0},
    format_case{"VSpeed", {128, 1, 0}, "   30", 30},
    // 0.49999999 and 0.50000001 of a metre per minute past a whole one.
    format_case{"VSpeed", {256.0 * 10.49999999 / 60, 1, 0}, "   10", 10.49999999},
    format_case{"VSpeed", {256.0 * 10.50000001 / 60, 1, 0}, "   11", 10.50000001},
    format_case{"VSpeed", {nan, 1, 0}, "    0", nan},
    format_case{"VSpeed", {-inf, 1, 0}, "*****", -inf}));

// Height above ground: altitude in metres less ground elevation in metres
// times 256, converted like the vertical speed; not limited at 0. The
// callback returns the converted height.
INSTANTIATE_TEST_SUITE_P(RoundedHeightAboveGround, ReadoutFormatting, ::testing::Values(
    format_case{"RadioAltimeter", {100, 12800, 0}, "  164", 164.05},
    format_case{"RadioAltimeter", {100, 12800, 1}, "   50", 50},
    format_case{"RadioAltimeter", {100, 12800, 5}, "   50", 50},
    format_case{"RadioAltimeter", {100, 12800, nan}, "  164", 164.05},
    format_case{"RadioAltimeter", {10, 5120, 1}, "  -10", -10},
    format_case{"RadioAltimeter", {10, 5248, 1}, "  -10", -10.5},
    format_case{"RadioAltimeter", {0, 0, 0}, "    0", 0},
    format_case{"RadioAltimeter", {50.49999999, 0, 1}, "   50", 50.49999999},
    format_case{"RadioAltimeter", {nan, 0, 1}, "    0", nan}));

INSTANTIATE_TEST_SUITE_P(TruncatedAirspeed, ReadoutFormatting, ::testing::Values(
    format_case{"AirSpeed", {123.9, 0, 0}, " 123", 123.9},
    format_case{"AirSpeed", {9999.99, 0, 0}, "9999", 9999.99},
    format_case{"AirSpeed", {-5.5, 0, 0}, "  -5", -5.5},
    format_case{"AirSpeed", {0.7, 0, 0}, "   0", 0.7}));

// Ground speed in knots, one decimal, from metres per second.
INSTANTIATE_TEST_SUITE_P(GroundSpeedInKnots, ReadoutFormatting, ::testing::Values(
    format_case{"GPSGroundSpeed", {10, 0, 0}, "  19.4", 19.4395},
    format_case{"GPSGroundSpeed", {0, 0, 0}, "   0.0", 0},
    format_case{"GPSGroundSpeed", {100, 0, 0}, " 194.4", 194.395},
    format_case{"GPSGroundSpeed", {-1, 0, 0}, "  -1.9", -1.94395},
    format_case{"GPSGroundSpeed", {7, 0, 0}, "  13.6", 13.60765},
    format_case{"GPSGroundSpeed", {5000.1, 0, 0}, "9719.9", 9719.944395},
    // Products a hair from a shown tenth's edge, where a 32-bit float in the
    // value or the product tips the rounding the other way.
    format_case{"GPSGroundSpeed", {39.893, 0, 0}, "  77.5", 39.893 * 1.94395},
    format_case{"GPSGroundSpeed", {80.892, 0, 0}, " 157.3", 80.892 * 1.94395}));

// Time of day; the zulu readout takes its seconds from the local token.
INSTANTIATE_TEST_SUITE_P(TimeOfDay, ReadoutFormatting, ::testing::Values(
    format_case{"Clock", {7, 5, 9}, "07:05:09", 7},
    format_case{"Clock", {23.99, 59.9, 59.9}, "23:59:59", 23.99},
    format_case{"Clock", {0, 0, 0}, "00:00:00", 0},
    format_case{"ZuluClock", {7, 5, 9}, "07:05:09", 7},
    format_case{"ZuluClock", {12.5, 30, 0}, "12:30:00", 12.5}));

// Altimeter setting: inches with two decimals under units 0, whole
// millibars (not rounded) otherwise; always returns the inches.
INSTANTIATE_TEST_SUITE_P(AltimeterSetting, ReadoutFormatting, ::testing::Values(
    format_case{"KollsmanHG", {29.92, 1013.25, 0}, "29.92", 29.92},
    format_case{"KollsmanHG", {29.92, 1013.25, 1}, " 1013", 29.92},
    format_case{"KollsmanHG", {29.92, 1013.9, 2}, " 1013", 29.92},
    format_case{"KollsmanHG", {29.92, 1013.25, nan}, "29.92", 29.92},
    format_case{"KollsmanHG", {9.5, 950, 0}, " 9.50", 9.5},
    format_case{"KollsmanHG", {29.996, 1016, 0}, "30.00", 29.996},
    // Settings a hair from a shown hundredth's edge, on which a 32-bit float
    // rounds the other way.
    format_case{"KollsmanHG", {29.985, 1013, 0}, "29.98", 29.985},
    format_case{"KollsmanHG", {30.015, 1013, 0}, "30.02", 30.015}));

}  // namespace
