// Values a readout cannot show as they are: texts wider than the field,
// and doubles that are not ordinary numbers. Each gives a defined text
// that fills the field and never runs past it; the fixture fails any test
// in which the host saw a text written past its buffer.
#include <gmock/gmock.h>

#include <cmath>
#include <limits>

#include "readouts_fixture.h"

using readouts::gauge_row;
using readouts::gauge_table;

namespace {

constexpr double nan = std::numeric_limits<double>::quiet_NaN();
constexpr double inf = std::numeric_limits<double>::infinity();
constexpr double denormal = std::numeric_limits<double>::denorm_min();

struct hostile_case {
    const char* gauge;
    std::array<double, 3> values;
    const char* text;
};

std::ostream& operator<<(std::ostream& os, const hostile_case& c) {
    return os << c.gauge << "(" << c.values[0] << ", " << c.values[1] << ", " << c.values[2] << ")";
}

class HostileValues : public ReadoutsTest, public ::testing::WithParamInterface<hostile_case> {};

TEST_P(HostileValues, ShowADefinedTextWithinTheField) {
    const hostile_case& c = GetParam();
    EXPECT_EQ(show(c.gauge, c.values).text, c.text);
}

// A text wider than its field shows as the field filled with '*': cutting
// it would show a wrong number.
INSTANTIATE_TEST_SUITE_P(TooWideForTheField, HostileValues, ::testing::Values(
    hostile_case{"VSpeed", {-10000 * 256.0 / 60, 1, 0}, "*****"},
    hostile_case{"VSpeed", {-9999 * 256.0 / 60, 1, 0}, "-9999"},
    hostile_case{"Altitiude", {100000, 0, 0}, "*****"},
    hostile_case{"Altitiude", {99999.5, 0, 0}, "*****"},
    hostile_case{"AirSpeed", {10000, 0, 0}, "****"},
    hostile_case{"KollsmanHG", {100, 1013, 0}, "*****"},
    hostile_case{"KollsmanHG", {99.996, 1013, 0}, "*****"},
    hostile_case{"KollsmanHG", {29.92, 100000, 1}, "*****"},
    hostile_case{"GPSGroundSpeed", {6000, 0, 0}, "******"},
    hostile_case{"Clock", {100, 0, 0}, "********"},
    hostile_case{"RadioAltimeter", {-10000, 0, 1}, "*****"}));

// Not a number: 0 wherever it is truncated or rounded, feet wherever it is
// the units setting; a floating readout cannot show it and says so.
INSTANTIATE_TEST_SUITE_P(NotANumber, HostileValues, ::testing::Values(
    hostile_case{"NAV1_Radial", {nan, 0, 0}, "  0"},
    hostile_case{"Altitiude", {nan, 0, 0}, "    0"},
    hostile_case{"VSpeed", {nan, 0, 0}, "    0"},
    hostile_case{"AirSpeed", {nan, 0, 0}, "   0"},
    hostile_case{"Clock", {nan, nan, nan}, "00:00:00"},
    hostile_case{"KollsmanHG", {29.92, nan, 1}, "    0"},
    hostile_case{"KollsmanHG", {nan, 1013, 0}, "*****"},
    hostile_case{"GPSGroundSpeed", {nan, 0, 0}, "******"},
    hostile_case{"RadioAltimeter", {nan, 12800, 1}, "    0"}));

// Beyond the range of int: truncation saturates at its ends, whose texts
// are too wide for every field; degrees above 359 show 0 as any other.
INSTANTIATE_TEST_SUITE_P(OutOfRange, HostileValues, ::testing::Values(
    hostile_case{"Heading", {1e300, 0, 0}, "  0"},
    hostile_case{"Heading", {-1e300, 0, 0}, "  0"},
    hostile_case{"Compass", {inf, 0, 0}, "  0"},
    hostile_case{"Altitiude", {1e300, 0, 0}, "*****"},
    hostile_case{"Altitiude", {-inf, 0, 0}, "*****"},
    hostile_case{"Altitiude", {2147483647.9, 0, 0}, "*****"},
    hostile_case{"AirSpeed", {-1e300, 0, 0}, "****"},
    hostile_case{"Clock", {-inf, 0, 0}, "********"},
    hostile_case{"VSpeed", {inf, 1e300, 0}, "*****"},
    hostile_case{"GPSGroundSpeed", {-inf, 0, 0}, "******"},
    hostile_case{"GPSGroundSpeed", {1e300, 0, 0}, "******"},
    hostile_case{"RadioAltimeter", {0, -1e300, 1}, "*****"},
    hostile_case{"KollsmanHG", {29.92, -inf, 1}, "*****"},
    hostile_case{"Altitiude", {denormal, 0, 0}, "    0"},
    hostile_case{"GPSGroundSpeed", {-denormal, 0, 0}, "  -0.0"}));

// Every readout, every slot, every kind of double the host could hand
// over: the text always fills exactly the field, and nothing is written
// past it (the fixture checks the host's guard bytes after each test).
TEST_F(ReadoutsTest, AnyDoubleInAnySlotFillsExactlyTheField) {
    const double hostile[] = {nan, -nan, inf, -inf, 1e300, -1e300, denormal, -denormal,
                              std::numeric_limits<double>::max(), std::numeric_limits<double>::lowest(),
                              2147483648.0, -2147483649.0, 2147483647.5};
    for (const gauge_row& row : gauge_table()) {
        for (std::size_t slot = 0; slot < 3; ++slot) {
            if (row.tokens[slot] == 0) continue;
            for (double value : hostile) {
                SCOPED_TRACE(::testing::Message() << row.name << " slot " << slot << " = " << value);
                std::array<double, 3> values{1, 1, 1};
                for (std::size_t s = 0; s < 3; ++s)
                    if (row.tokens[s] == 0) values[s] = 0;
                values[slot] = value;
                EXPECT_EQ(show(row.name, values).text.size(), row.characters);
            }
        }
    }
}

}  // namespace
