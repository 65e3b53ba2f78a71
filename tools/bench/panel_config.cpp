#include "tools/bench/panel_config.h"

#include <algorithm>
#include <cctype>
#include <sstream>

#include "tools/bench/errors.h"
#include "tools/bench/text_file.h"
#include "tools/bench/values.h"

namespace bench {

namespace {

std::string trim(const std::string& s) {
    const auto first = s.find_first_not_of(" \t\r");
    if (first == std::string::npos) return "";
    return s.substr(first, s.find_last_not_of(" \t\r") - first + 1);
}

std::string lower(std::string s) {
    for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

std::string without_comment(const std::string& line) {
    return line.substr(0, std::min(line.find("//"), line.find(';')));
}

std::vector<std::string> split_commas(const std::string& s) {
    std::vector<std::string> out;
    std::string::size_type start = 0;
    for (;;) {
        const auto comma = s.find(',', start);
        out.push_back(trim(s.substr(start, comma - start)));
        if (comma == std::string::npos) return out;
        start = comma + 1;
    }
}

// "window07" -> 7; anything else (other sections, "window titles") -> none.
std::optional<int> window_number(const std::string& lowered_name) {
    if (lowered_name.rfind("window", 0) != 0 || lowered_name.size() == 6 || lowered_name.size() > 9) return std::nullopt;
    const std::string digits = lowered_name.substr(6);
    if (!std::all_of(digits.begin(), digits.end(), [](char c) { return std::isdigit(static_cast<unsigned char>(c)); }))
        return std::nullopt;
    return std::stoi(digits);
}

struct Reader {
    const std::string& path;
    int line = 0;

    [[noreturn]] void fail(const std::string& what) const { throw line_error(path, line, what); }

    int integer(const std::string& text, const std::string& what) const {
        const auto v = parse_int(text);
        if (!v) fail(what + ": \"" + text + "\" is not a whole number");
        return *v;
    }

    std::vector<int> integers(const std::string& key, const std::string& value, std::size_t min, std::size_t max) const {
        const std::vector<std::string> parts = split_commas(value);
        if (parts.size() < min || parts.size() > max)
            fail(key + ": expected " + (min == max ? std::to_string(min) : std::to_string(min) + " to " + std::to_string(max)) +
                 " numbers separated by commas, got \"" + value + "\"");
        std::vector<int> out;
        for (const std::string& p : parts) out.push_back(integer(p, key));
        return out;
    }

    PanelGaugeLine gauge(const std::string& key, const std::string& value) const {
        const std::vector<std::string> parts = split_commas(value);
        PanelGaugeLine g;
        g.line = line;
        g.key = key;
        const std::string& name = parts[0];
        const auto bang = name.find('!');
        if (bang == std::string::npos || bang == 0 || bang + 1 == name.size())
            fail(key + ": expected module!gauge, x, y[, width[, height]], got \"" + value + "\"");
        g.module = trim(name.substr(0, bang));
        g.gauge = trim(name.substr(bang + 1));
        if (parts.size() < 3) fail(key + ": " + name + " has no position (module!gauge, x, y[, width[, height]])");
        g.x = integer(parts[1], key + " x");
        g.y = integer(parts[2], key + " y");
        const auto size = [&](std::size_t i, const char* what) -> std::optional<int> {
            if (parts.size() <= i || parts[i].empty()) return std::nullopt;
            const int v = integer(parts[i], key + " " + what);
            if (v <= 0 || v > 16384) fail(key + " " + what + ": " + parts[i] + " is not a size from 1 to 16384");
            return v;
        };
        g.width = size(3, "width");
        g.height = size(4, "height");
        if (g.height && !g.width) fail(key + ": a height without a width");
        for (std::size_t i = 5; i < parts.size(); ++i) g.parameter += (i > 5 ? "," : "") + parts[i];
        return g;
    }
};

void window_key(Reader& r, PanelWindow& w, const std::string& key, const std::string& value) {
    const std::string k = lower(key);
    if (k.rfind("gauge", 0) == 0 && k.size() > 5) {
        w.gauges.push_back(r.gauge(key, value));
    } else if (k == "size_mm") {
        const std::vector<int> v = r.integers(key, value, 2, 2);
        if (v[0] <= 0 || v[1] <= 0 || v[0] > 16384 || v[1] > 16384) r.fail(key + ": sizes from 1 to 16384, got \"" + value + "\"");
        w.width = v[0];
        w.height = v[1];
    } else if (k == "position") {
        w.position = r.integer(value, key);
    } else if (k == "visible") {
        const int v = r.integer(value, key);
        if (v != 0 && v != 1) r.fail(key + ": 0 or 1, got \"" + value + "\"");
        w.visible = v == 1;
    } else if (k == "ident") {
        w.ident = value;
    } else if (k == "background_color") {
        const std::vector<int> v = r.integers(key, value, 3, 3);
        for (int c : v)
            if (c < 0 || c > 255) r.fail(key + ": red, green, blue from 0 to 255, got \"" + value + "\"");
        w.background = PanelColour{static_cast<std::uint8_t>(v[0]), static_cast<std::uint8_t>(v[1]), static_cast<std::uint8_t>(v[2])};
    }
    // file=, window_size_ratio=, nomenu=, zorder= and the like change
    // nothing the bench draws.
}

}  // namespace

std::optional<std::uint32_t> PanelWindow::ident_number() const {
    if (ident.empty() || !std::isdigit(static_cast<unsigned char>(ident[0]))) return std::nullopt;
    return parse_u32(ident);
}

const PanelWindow* PanelConfig::find(const std::string& which) const {
    const std::string w = lower(trim(which));
    for (const PanelWindow& window : windows)
        if (lower(window.section) == w) return &window;
    if (const auto n = parse_int(w); n && !w.empty() && w[0] != '-')
        for (const PanelWindow& window : windows)
            if (window.number == *n && w.size() <= 2) return &window;
    for (const PanelWindow& window : windows)
        if (!window.ident.empty() && lower(window.ident) == w) return &window;
    return nullptr;
}

PanelConfig parse_panel_config(const std::string& text, const std::string& path) {
    PanelConfig config;
    config.path = path;
    std::vector<std::pair<int, std::string>> titles;
    Reader r{path};
    enum class In { nothing, title_list, window, other } in = In::nothing;
    PanelWindow* window = nullptr;
    std::istringstream lines(text);
    std::string raw;
    while (std::getline(lines, raw)) {
        ++r.line;
        const std::string line = trim(without_comment(raw));
        if (line.empty()) continue;
        if (line[0] == '[') {
            if (line.back() != ']') r.fail("section header without its closing ]: \"" + line + "\"");
            const std::string name = trim(line.substr(1, line.size() - 2));
            const std::string lowered = lower(name);
            if (lowered == "window titles") {
                in = In::title_list;
            } else if (const auto n = window_number(lowered)) {
                for (const PanelWindow& w : config.windows)
                    if (w.number == *n) r.fail("[" + name + "] again (window " + std::to_string(*n) + " is " + w.section + " already)");
                config.windows.push_back(PanelWindow{.section = name, .number = *n});
                window = &config.windows.back();
                in = In::window;
            } else {
                in = In::other;  // views, virtual cockpits, colours: not drawn here
            }
            continue;
        }
        if (in == In::other) continue;
        const auto eq = line.find('=');
        if (eq == std::string::npos || eq == 0) r.fail("expected KEY=VALUE, got \"" + line + "\"");
        if (in == In::nothing) r.fail("\"" + line + "\" before any [section]");
        const std::string key = trim(line.substr(0, eq));
        const std::string value = trim(line.substr(eq + 1));
        if (in == In::title_list) {
            if (const auto n = window_number(lower(key))) titles.emplace_back(*n, value);
        } else {
            window_key(r, *window, key, value);
        }
    }
    for (PanelWindow& w : config.windows) {
        w.title = w.section;
        for (const auto& [n, title] : titles)
            if (n == w.number && !title.empty()) w.title = title;
    }
    std::stable_sort(config.windows.begin(), config.windows.end(),
                     [](const PanelWindow& a, const PanelWindow& b) { return a.number < b.number; });
    return config;
}

PanelConfig read_panel_config(const std::string& path) {
    const auto text = read_text_file(path);
    if (!text) throw Error(path + ": cannot read the panel configuration");
    return parse_panel_config(*text, path);
}

}  // namespace bench
