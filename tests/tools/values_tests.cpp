// How users write tokens and values: numbers, hex and BCD integers.
#include <gtest/gtest.h>

#include "tools/bench/values.h"

namespace {

using bench::VarValue;

struct ValueCase {
    const char* text;
    VarValue::Kind kind;
    double number;
    std::uint32_t integer;
};

TEST(BenchValues, NumbersHexIntegersAndBcdParseToWhatTheHostHolds) {
    const ValueCase cases[] = {
        {"12500", VarValue::Kind::number, 12500.0, 0},
        {"-3.5", VarValue::Kind::number, -3.5, 0},
        {"29.92", VarValue::Kind::number, 29.92, 0},
        {"1e3", VarValue::Kind::number, 1000.0, 0},
        {"0x1090", VarValue::Kind::integer, 0, 0x1090},
        {"0XFFFFFFFF", VarValue::Kind::integer, 0, 0xFFFFFFFF},
        {"int:-5000", VarValue::Kind::integer, 0, 0xFFFFEC78},
        {"int:42", VarValue::Kind::integer, 0, 42},
        {"bcd:1090", VarValue::Kind::integer, 0, 0x1090},
        {"bcd:0007", VarValue::Kind::integer, 0, 0x7},
        {"bcd:12345678", VarValue::Kind::integer, 0, 0x12345678},
    };
    for (const ValueCase& c : cases) {
        SCOPED_TRACE(c.text);
        const auto v = bench::parse_value(c.text);
        ASSERT_TRUE(v.has_value());
        EXPECT_EQ(v->kind, c.kind);
        if (c.kind == VarValue::Kind::number)
            EXPECT_DOUBLE_EQ(v->number, c.number);
        else
            EXPECT_EQ(v->integer, c.integer);
    }
}

TEST(BenchValues, MalformedValuesAreRefused) {
    for (const char* text : {"", "abc", "12x", "0x", "0x1G", "0x100000000", "bcd:", "bcd:12a4", "bcd:123456789",
                             "int:", "int:0x10", "int:99999999999", "nan", "inf", "1e999", "--1"}) {
        SCOPED_TRACE(text);
        EXPECT_FALSE(bench::parse_value(text).has_value());
    }
}

TEST(BenchValues, TokensAreDecimalOrHexAndFitThirtyTwoBits) {
    EXPECT_EQ(bench::parse_u32("0x4A"), 0x4Au);
    EXPECT_EQ(bench::parse_u32("74"), 74u);
    EXPECT_EQ(bench::parse_u32("4294967295"), 0xFFFFFFFFu);
    EXPECT_EQ(bench::parse_u32("-1"), 0xFFFFFFFFu) << "a negative event value is its two's complement";
    for (const char* text : {"", "4294967296", "0x1_0", "12.5", "x4A", "-2147483649"}) {
        SCOPED_TRACE(text);
        EXPECT_FALSE(bench::parse_u32(text).has_value());
    }
}

TEST(BenchValues, EventValuesReadBackAsTheyAreWritten) {
    EXPECT_EQ(bench::event_value(0x1090), "0x1090");
    EXPECT_EQ(bench::event_value(static_cast<std::uint32_t>(-5000)), "-5000");
    EXPECT_EQ(bench::parse_u32(bench::event_value(static_cast<std::uint32_t>(-5000))), static_cast<std::uint32_t>(-5000));
}

}  // namespace
