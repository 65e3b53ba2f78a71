#include "tools/pecheck/expectations.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <sstream>

namespace pecheck {

namespace {

class LineParser {
public:
    LineParser(const std::string& what, int line, const std::string& text) : where_(what + ":" + std::to_string(line)), in_(text) {}

    [[noreturn]] void fail(const std::string& why) const { throw TableError(where_ + ": " + why); }

    std::string word(const char* role) {
        std::string w;
        if (!(in_ >> w)) fail(std::string("missing ") + role);
        return w;
    }
    std::vector<std::string> rest() {
        std::vector<std::string> out;
        for (std::string w; in_ >> w;) out.push_back(w);
        return out;
    }
    void end() {
        std::string w;
        if (in_ >> w) fail("unexpected '" + w + "'");
    }
    std::uint32_t number(const char* role, std::uint32_t max) {
        const std::string w = word(role);
        std::size_t used = 0;
        unsigned long v = 0;
        try {
            v = std::stoul(w, &used, 0);
        } catch (const std::exception&) {
            fail(std::string("bad ") + role + " '" + w + "'");
        }
        if (used != w.size() || v > max) fail(std::string("bad ") + role + " '" + w + "'");
        return static_cast<std::uint32_t>(v);
    }

private:
    std::string where_;
    std::istringstream in_;
};

ColourRule parse_rule(LineParser& p) {
    const std::string w = p.word("colour rule");
    for (ColourRule r : {ColourRule::any, ColourRule::black, ColourRule::no_black, ColourRule::black_rows,
                         ColourRule::black_corners})
        if (w == rule_name(r)) return r;
    p.fail("unknown colour rule '" + w + "'");
}

}  // namespace

std::string upper_case(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return s;
}

std::string rule_name(ColourRule rule) {
    switch (rule) {
    case ColourRule::black: return "black";
    case ColourRule::no_black: return "no-black";
    case ColourRule::black_rows: return "black-rows";
    case ColourRule::black_corners: return "black-corners";
    case ColourRule::any: break;
    }
    return "any";
}

Table parse_table(const std::string& text, const std::string& what) {
    Table t;
    std::istringstream lines(text);
    int number = 0;
    for (std::string line; std::getline(lines, line);) {
        ++number;
        if (const auto hash = line.find('#'); hash != std::string::npos) line.erase(hash);
        if (line.find_first_not_of(" \t\r") == std::string::npos) continue;
        LineParser p(what, number, line);
        const std::string kind = p.word("kind");
        if (kind == "machine") {
            const std::string tree = p.word("build tree");
            t.machines[tree] = static_cast<std::uint16_t>(p.number("machine", 0xFFFF));
            p.end();
        } else if (kind == "exports") {
            for (const std::string& name : p.rest()) t.exports.insert(name);
        } else if (kind == "dlls") {
            const std::string module = p.word("module");
            for (const std::string& dll : p.rest())
                (module == "*" ? t.common_dlls : t.modules[module].dlls).insert(upper_case(dll));
        } else if (kind == "language") {
            const std::string module = p.word("module");
            t.modules[module].language = static_cast<std::uint16_t>(p.number("language", 0xFFFF));
            p.end();
        } else if (kind == "bitmap") {
            const std::string module = p.word("module");
            BitmapExpectation b;
            b.id = p.number("bitmap id", 0xFFFF);
            b.language = static_cast<std::uint16_t>(p.number("language", 0xFFFF));
            const std::string size = p.word("size");
            const auto x = size.find('x');
            try {
                if (x == std::string::npos) throw std::invalid_argument(size);
                std::size_t used_w = 0, used_h = 0;
                b.width = std::stoi(size.substr(0, x), &used_w);
                b.height = std::stoi(size.substr(x + 1), &used_h);
                if (used_w != x || used_h != size.size() - x - 1 || b.width <= 0 || b.height <= 0)
                    throw std::invalid_argument(size);
            } catch (const std::exception&) {
                p.fail("bad size '" + size + "' (want <width>x<height>)");
            }
            b.rule = parse_rule(p);
            p.end();
            t.modules[module].bitmaps.push_back(b);
        } else {
            p.fail("unknown kind of line '" + kind + "'");
        }
    }
    return t;
}

Table read_table(const std::string& path) {
    std::ifstream in(path);
    if (!in) throw TableError(path + ": no such file");
    std::stringstream text;
    text << in.rdbuf();
    return parse_table(text.str(), path);
}

}  // namespace pecheck
