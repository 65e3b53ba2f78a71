// wsprintfA of the Win32 stand-in against what USER32's wsprintfA writes,
// for the conversions the modules use and the edges around them.
#include <gtest/gtest.h>

#include <array>
#include <climits>
#include <cstring>
#include <string>

#include "platform/win32.h"

namespace {

constexpr char untouched = 0x7F;

// A buffer well beyond the formatter's cap, so bytes it must not write can
// be seen.
struct output {
    std::array<char, 2048> bytes;
    output() { bytes.fill(untouched); }
    char* data() { return bytes.data(); }
};

struct integer_case {
    const char* format;
    int first;
    int second;
    const char* expected;
};

class WsprintfIntegers : public ::testing::TestWithParam<integer_case> {};

TEST_P(WsprintfIntegers, WritesWhatUser32Writes) {
    const integer_case& c = GetParam();
    output out;
    const int written = wsprintfA(out.data(), c.format, c.first, c.second);
    EXPECT_STREQ(out.data(), c.expected) << "format \"" << c.format << '"';
    EXPECT_EQ(written, static_cast<int>(std::strlen(c.expected)));  // characters, without the zero
    EXPECT_EQ(out.bytes[std::strlen(c.expected) + 1], untouched);
}

INSTANTIATE_TEST_SUITE_P(Conversions, WsprintfIntegers, ::testing::Values(
    // widths: blanks in front, a minus sign counts, never cut
    integer_case{"%3d", 5, 0, "  5"},
    integer_case{"%3d", -5, 0, " -5"},
    integer_case{"%3d", 1234, 0, "1234"},
    integer_case{"%4d", 123, 0, " 123"},
    integer_case{"%5d", -20, 0, "  -20"},
    integer_case{"%5d", 123456, 0, "123456"},
    // zero padding, after the minus sign
    integer_case{"%02d", 7, 0, "07"},
    integer_case{"%02d", 0, 0, "00"},
    integer_case{"%02d", 123, 0, "123"},
    integer_case{"%02d", -5, 0, "-5"},
    integer_case{"%03d", -5, 0, "-05"},
    integer_case{"%05d", -42, 0, "-0042"},
    integer_case{"%02d:%02d", 7, 5, "07:05"},
    // hexadecimal, as the frequency and code texts use it
    integer_case{"1%04X", 0x1080, 0, "11080"},
    integer_case{"%04X", 0xA, 0, "000A"},
    integer_case{"%04X", 0x12345, 0, "12345"},
    integer_case{" %03X", 0x1AB, 0, " 1AB"},
    integer_case{" %03X", 0x5, 0, " 005"},
    integer_case{"%03X.%d", 0x12, 5, "012.5"},
    integer_case{"%X", 0, 0, "0"},
    integer_case{"%x", -1, 0, "ffffffff"},
    integer_case{"%#x", 255, 0, "0xff"},
    // plain, extreme and unsigned values
    integer_case{"%d", 0, 0, "0"},
    integer_case{"%d", INT_MIN, 0, "-2147483648"},
    integer_case{"%d", INT_MAX, 0, "2147483647"},
    integer_case{"%u", -1, 0, "4294967295"},
    integer_case{"%i", -17, 0, "-17"},
    // flags and precision
    integer_case{"%-4d|", 5, 0, "5   |"},
    integer_case{"%-05d|", 5, 0, "5    |"},
    integer_case{"%.3d", 5, 0, "005"},
    integer_case{"%c%c", 'A', 'z', "Az"},
    // a percent sign, an unknown conversion, a trailing percent
    integer_case{"%%", 0, 0, "%"},
    integer_case{"100%%", 0, 0, "100%"},
    integer_case{"%y", 0, 0, "y"},
    integer_case{"abc%", 0, 0, "abc"}));

struct string_case {
    const char* format;
    const char* argument;
    const char* expected;
};

class WsprintfStrings : public ::testing::TestWithParam<string_case> {};

TEST_P(WsprintfStrings, WritesWhatUser32Writes) {
    const string_case& c = GetParam();
    output out;
    const int written = wsprintfA(out.data(), c.format, c.argument);
    EXPECT_STREQ(out.data(), c.expected);
    EXPECT_EQ(written, static_cast<int>(std::strlen(c.expected)));
}

INSTANTIATE_TEST_SUITE_P(Conversions, WsprintfStrings, ::testing::Values(
    string_case{"%s", "abc", "abc"},
    string_case{"%s", "", ""},
    string_case{"[%s]", "108.00", "[108.00]"},
    string_case{"%5s", "ab", "   ab"},
    string_case{"%-5s|", "ab", "ab   |"},
    string_case{"%.2s", "abc", "ab"},
    string_case{"%s", nullptr, "(null)"}));

// USER32 writes at most 1024 bytes: 1023 characters and the zero, however
// long the text would be, and reports the characters it stored.
TEST(WsprintfCap, StopsAt1023CharactersAndTheZero) {
    const std::string long_text(2000, 'a');
    const std::string near_cap(1020, 'b');
    struct {
        const char* format;
        const char* text;
        const char* tail;  // the last characters stored
    } cases[] = {
        {"%s", long_text.c_str(), "aaaa"},
        {"%sxyz%d", near_cap.c_str(), "bxyz"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.format);
        output out;
        const int written = wsprintfA(out.data(), c.format, c.text, 12345);
        EXPECT_EQ(written, 1023);
        EXPECT_EQ(std::strlen(out.data()), 1023u);
        EXPECT_EQ(std::string(out.data() + 1019), c.tail);
        EXPECT_EQ(out.bytes[1023], '\0');
        EXPECT_EQ(out.bytes[1024], untouched);
    }
}

}  // namespace
