// Numbers as a user writes them: tokens, ids, points and variable values.
//
// Integers are decimal (optionally signed) or hexadecimal with 0x.
// A variable value is one of
//   12.5, -3, 1e3    a number: the 64-bit float the host delivers
//   0x1090           an integer in the low 32 bits (BCD codes, bit sets)
//   int:-5000        a decimal integer in the low 32 bits (two's complement)
//   bcd:1090         decimal digits packed four bits each: bcd:1090 is 0x1090
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "emulator/host_emulator.h"

namespace bench {

struct VarValue {
    enum class Kind { number, integer };
    Kind kind = Kind::number;
    double number = 0.0;
    std::uint32_t integer = 0;
};

std::optional<std::int64_t> parse_integer(std::string_view text);
// An integer that fits 32 bits, signed or not (tokens, ids, event values).
std::optional<std::uint32_t> parse_u32(std::string_view text);
std::optional<int> parse_int(std::string_view text);  // fits int
std::optional<VarValue> parse_value(std::string_view text);

void apply(emu::Host& host, ID32 token, const VarValue& value);

std::string hex(std::uint32_t value);
// An event value as the user would write it: hex, or signed decimal when
// the 32 bits read as a negative number.
std::string event_value(std::uint32_t value);

}  // namespace bench
