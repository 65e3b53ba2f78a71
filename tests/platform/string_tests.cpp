// lstrcpyA, lstrcatA and lstrcmpA of the Win32 stand-in against KERNEL32.
#include <gtest/gtest.h>

#include <array>
#include <cstring>

#include "platform/win32.h"

namespace {

TEST(Lstrcpy, CopiesWithTheZeroAndReturnsTheDestination) {
    std::array<char, 16> buffer;
    buffer.fill(0x7F);
    EXPECT_EQ(lstrcpyA(buffer.data(), "108.00"), buffer.data());
    EXPECT_STREQ(buffer.data(), "108.00");
    EXPECT_EQ(buffer[7], 0x7F);
    EXPECT_EQ(lstrcpyA(buffer.data(), ""), buffer.data());
    EXPECT_STREQ(buffer.data(), "");
}

TEST(Lstrcat, AppendsAndReturnsTheDestination) {
    char buffer[16] = "C:\\Sim";
    EXPECT_EQ(lstrcatA(buffer, "\\Sound"), buffer);
    EXPECT_STREQ(buffer, "C:\\Sim\\Sound");
    EXPECT_EQ(lstrcatA(buffer, ""), buffer);
    EXPECT_STREQ(buffer, "C:\\Sim\\Sound");
}

TEST(Lstrcpy, NullArgumentsWriteNothingAndReturnNull) {
    char buffer[4] = "abc";
    EXPECT_EQ(lstrcpyA(buffer, nullptr), nullptr);
    EXPECT_EQ(lstrcatA(buffer, nullptr), nullptr);
    EXPECT_EQ(lstrcpyA(nullptr, "x"), nullptr);
    EXPECT_STREQ(buffer, "abc");
}

struct compare_case {
    const char* a;
    const char* b;
    int expected;  // the sign KERNEL32 gives: -1, 0 or 1
};

std::ostream& operator<<(std::ostream& os, const compare_case& c) {
    return os << '"' << (c.a ? c.a : "null") << "\" vs \"" << (c.b ? c.b : "null") << '"';
}

class Lstrcmp : public ::testing::TestWithParam<compare_case> {};

TEST_P(Lstrcmp, OrdersAsKernel32Does) {
    const compare_case& c = GetParam();
    EXPECT_EQ(lstrcmpA(c.a, c.b), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Texts, Lstrcmp, ::testing::Values(
    // frequency and code texts: equal only when the same
    compare_case{"108.00", "108.00", 0},
    compare_case{"108.00", "108.05", -1},
    compare_case{"117.95", "108.00", 1},
    compare_case{"10", "9", -1},
    compare_case{"1.5", "15", -1},
    compare_case{"", "", 0},
    compare_case{"", "a", -1},
    compare_case{"a", "a ", -1},
    // letters alphabetically whatever their case; on a tie lower case first
    compare_case{"a", "b", -1},
    compare_case{"b", "a", 1},
    compare_case{"a", "B", -1},
    compare_case{"Z", "a", 1},
    compare_case{"A", "a", 1},
    compare_case{"ab", "AB", -1},
    compare_case{"aB", "Ab", -1},
    compare_case{"Aa", "aA", 1},
    compare_case{"abc", "ABD", -1},
    compare_case{"aC", "Ab", 1},
    compare_case{"Ab", "a", 1},
    // punctuation before digits before letters
    compare_case{"1", "A", -1},
    compare_case{"9", "a", -1},
    compare_case{"_", "a", -1},
    compare_case{"_", "1", -1},
    compare_case{"[", "A", -1},
    compare_case{"{", "a", -1},
    compare_case{"~", "1", -1},
    compare_case{".", "0", -1},
    compare_case{" ", "1", -1},
    // hyphens and apostrophes count only when all else is equal
    compare_case{"co-op", "coop", 1},
    compare_case{"a-b", "ab", 1},
    compare_case{"-b", "a", 1},
    compare_case{"-a", "a", 1},
    compare_case{"a'b", "ab", 1},
    // a null pointer sorts before any text
    compare_case{nullptr, "a", -1},
    compare_case{"a", nullptr, 1},
    compare_case{nullptr, nullptr, 0}));

}  // namespace
