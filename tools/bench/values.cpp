#include "tools/bench/values.h"

#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

namespace bench {

std::optional<std::int64_t> parse_integer(std::string_view text) {
    bool negative = false;
    if (!text.empty() && (text[0] == '-' || text[0] == '+')) {
        negative = text[0] == '-';
        text.remove_prefix(1);
    }
    int base = 10;
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        base = 16;
        text.remove_prefix(2);
    }
    if (text.empty()) return std::nullopt;
    std::uint64_t magnitude = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), magnitude, base);
    if (ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
    if (magnitude > static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max())) return std::nullopt;
    const auto v = static_cast<std::int64_t>(magnitude);
    return negative ? -v : v;
}

std::optional<std::uint32_t> parse_u32(std::string_view text) {
    const auto v = parse_integer(text);
    if (!v || *v < std::numeric_limits<std::int32_t>::min() || *v > std::numeric_limits<std::uint32_t>::max())
        return std::nullopt;
    return static_cast<std::uint32_t>(*v);
}

std::optional<int> parse_int(std::string_view text) {
    const auto v = parse_integer(text);
    if (!v || *v < std::numeric_limits<int>::min() || *v > std::numeric_limits<int>::max()) return std::nullopt;
    return static_cast<int>(*v);
}

namespace {

std::optional<double> parse_number(std::string_view text) {
    if (text.empty() || text.size() > 64) return std::nullopt;
    const std::string s(text);
    // strtod also takes hex floats, "inf" and "nan"; a user's number is
    // plain decimal, so anything else is refused first.
    for (char c : s)
        if (!((c >= '0' && c <= '9') || c == '.' || c == '-' || c == '+' || c == 'e' || c == 'E')) return std::nullopt;
    char* end = nullptr;
    errno = 0;
    const double v = std::strtod(s.c_str(), &end);
    if (end != s.c_str() + s.size() || errno == ERANGE || !std::isfinite(v)) return std::nullopt;
    return v;
}

std::optional<std::uint32_t> parse_bcd(std::string_view digits) {
    if (digits.empty() || digits.size() > 8) return std::nullopt;
    std::uint32_t v = 0;
    for (char c : digits) {
        if (c < '0' || c > '9') return std::nullopt;
        v = v << 4 | static_cast<std::uint32_t>(c - '0');
    }
    return v;
}

}  // namespace

std::optional<VarValue> parse_value(std::string_view text) {
    VarValue out;
    out.kind = VarValue::Kind::integer;
    if (text.starts_with("bcd:")) {
        const auto v = parse_bcd(text.substr(4));
        if (!v) return std::nullopt;
        out.integer = *v;
        return out;
    }
    if (text.starts_with("int:")) {
        const auto v = parse_u32(text.substr(4));
        if (!v || text.substr(4).find_first_of("xX") != std::string_view::npos) return std::nullopt;
        out.integer = *v;
        return out;
    }
    if (text.starts_with("0x") || text.starts_with("0X")) {
        const auto v = parse_u32(text);
        if (!v) return std::nullopt;
        out.integer = *v;
        return out;
    }
    const auto n = parse_number(text);
    if (!n) return std::nullopt;
    out.kind = VarValue::Kind::number;
    out.number = *n;
    return out;
}

void apply(emu::Host& host, ID32 token, const VarValue& value) {
    if (value.kind == VarValue::Kind::number)
        host.set_number(token, value.number);
    else
        host.set_integer(token, value.integer);
}

std::string hex(std::uint32_t value) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "0x%X", value);
    return buf;
}

std::string event_value(std::uint32_t value) {
    const auto s = static_cast<std::int32_t>(value);
    return s < 0 ? std::to_string(s) : hex(value);
}

}  // namespace bench
