#include "tools/bench/panel.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <filesystem>

#include "tools/bench/errors.h"
#include "tools/bench/render.h"
#include "tools/bench/text_drawing.h"

namespace bench {

namespace {

std::string lower(std::string s) {
    for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

// The file names a module may have, as the simulator's loader takes them.
std::vector<std::string> module_file_names(const std::string& module) {
#if defined(_WIN32)
    return {lower(module) + ".gau", lower(module) + ".dll"};
#else
    return {lower(module) + ".so"};
#endif
}

// The module's file in a folder, its name matched in any case (Windows
// file names are); empty when the folder has none.
std::string find_in(const std::string& folder, const std::string& module) {
    namespace fs = std::filesystem;
    std::error_code ec;
    const std::vector<std::string> names = module_file_names(module);
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        if (!it->is_regular_file(ec)) continue;
        const std::string name = lower(it->path().filename().string());
        if (std::find(names.begin(), names.end(), name) != names.end()) return it->path().string();
    }
    return "";
}

constexpr int placeholder_width = 64;  // a placeholder's box when its line gives no size
constexpr int placeholder_height = 32;

}  // namespace

Panel::Panel(PanelConfig config, const std::vector<std::string>& gauge_folders)
    : config_(std::move(config)), host_(std::make_unique<emu::Host>()) {
    // The panel's own folder; "." for a bare file name.
    const std::filesystem::path own = std::filesystem::path(config_.path).parent_path();
    folders_.push_back((own.empty() ? std::filesystem::path(".") : own).string());
    folders_.insert(folders_.end(), gauge_folders.begin(), gauge_folders.end());
    for (const PanelWindow& w : config_.windows)
        for (const PanelGaugeLine& line : w.gauges) place(w, line);
    host_->take_events();  // what installation sent is not the user's
}

emu::Module* Panel::module(const std::string& name, std::string& problem) {
    const auto known = modules_.find(lower(name));
    if (known != modules_.end()) {
        problem = known->second.second;
        return known->second.first;
    }
    emu::Module* found = nullptr;
    std::string path;
    for (const std::string& folder : folders_)
        if (path = find_in(folder, name); !path.empty()) break;
    if (path.empty()) {
        std::string where;
        for (const std::string& f : folders_) where += (where.empty() ? "" : " or ") + f;
        problem = "no module " + name + module_file_names(name)[0].substr(name.size()) + " in " + where;
    } else {
        try {
            found = &host_->load(path);
        } catch (const emu::Error& e) {
            problem = e.what();
        }
    }
    modules_[lower(name)] = {found, problem};
    return found;
}

void Panel::place(const PanelWindow& window, const PanelGaugeLine& line) {
    PlacedGauge p{.window = &window, .line = &line, .x = line.x, .y = line.y};
    if (emu::Module* m = module(line.module, p.problem)) {
        const auto& g = m->gauges();
        if (std::none_of(g.begin(), g.end(), [&](const emu::GaugeInfo& i) { return i.name == line.gauge; })) {
            p.problem = m->path() + " has no gauge named \"" + line.gauge + "\"";
        } else {
            try {
                p.gauge = &host_->install(*m, line.gauge);
            } catch (const emu::Error& e) {
                p.problem = e.what();
            }
        }
    }
    const PIXPOINT own = p.gauge != nullptr ? p.gauge->size() : PIXPOINT{0, 0};
    if (p.gauge != nullptr && (own.x <= 0 || own.y <= 0)) {
        p.problem = "gauge " + line.gauge + " has no background picture to draw on";
        p.gauge = nullptr;
    }
    if (p.gauge == nullptr) {
        p.width = line.width.value_or(placeholder_width);
        p.height = line.height.value_or(line.width ? std::max(1, *line.width / 2) : placeholder_height);
        warnings_.push_back(config_.path + ":" + std::to_string(line.line) + ": " + line.key + " " + p.label() + ": " + p.problem +
                            " (drawn as a placeholder)");
    } else {
        p.width = line.width.value_or(own.x);
        p.height = line.height.value_or(line.width ? std::max(1, static_cast<int>(std::lround(double(*line.width) * own.y / own.x))) : own.y);
    }
    placed_.push_back(p);
}

const PanelWindow& Panel::window(const std::string& which) const {
    if (const PanelWindow* w = config_.find(which)) return *w;
    std::string names;
    for (const PanelWindow& w : config_.windows)
        names += (names.empty() ? "" : ", ") + w.section + (w.ident.empty() ? "" : " (ident " + w.ident + ")");
    throw Error(config_.path + ": no window \"" + which + "\" (it has " + (names.empty() ? "none" : names) + ")");
}

std::vector<PlacedGauge*> Panel::gauges_of(const PanelWindow& window) {
    std::vector<PlacedGauge*> out;
    for (PlacedGauge& p : placed_)
        if (p.window == &window) out.push_back(&p);
    return out;
}

std::vector<const PlacedGauge*> Panel::gauges_of(const PanelWindow& window) const {
    std::vector<const PlacedGauge*> out;
    for (const PlacedGauge& p : placed_)
        if (p.window == &window) out.push_back(&p);
    return out;
}

PlacedGauge* Panel::gauge(const PanelWindow& window, const std::string& key) {
    // "gauge04", or its number: "4" and "04" alike.
    const std::string k = lower(key);
    const auto number = [](const std::string& s) { return s.empty() || s.size() > 6 || s.find_first_not_of("0123456789") != std::string::npos ? -1 : std::stoi(s); };
    const int n = number(k.starts_with("gauge") ? k.substr(5) : k);
    for (PlacedGauge* p : gauges_of(window)) {
        const std::string own = lower(p->line->key);
        if (own == k || (n >= 0 && number(own.substr(5)) == n)) return p;
    }
    return nullptr;
}

emu::Gauge* Panel::script_gauge(const std::string& which, const std::string& key) {
    const PanelWindow& w = window(which);
    PlacedGauge* p = gauge(w, key);
    if (p == nullptr) throw Error(config_.path + ": " + w.section + " has no gauge line " + key);
    return p->gauge;
}

PIXPOINT Panel::size(const PanelWindow& window) const {
    if (window.width && window.height) return PIXPOINT{*window.width, *window.height};
    PIXPOINT extent{1, 1};
    for (const PlacedGauge* p : gauges_of(window)) {
        extent.x = std::max<SINT32>(extent.x, p->x + p->width);
        extent.y = std::max<SINT32>(extent.y, p->y + p->height);
    }
    return extent;
}

bool Panel::open(const PanelWindow& window) const {
    const auto id = window.ident_number();
    return window.visible != (id && host_->panel_window_open(*id));
}

std::optional<PanelHit> Panel::hit(const PanelWindow& window, int x, int y) {
    const std::vector<PlacedGauge*> all = gauges_of(window);
    for (auto it = all.rbegin(); it != all.rend(); ++it) {
        PlacedGauge& p = **it;
        if (p.gauge == nullptr || x < p.x || y < p.y || x >= p.x + p.width || y >= p.y + p.height) continue;
        const PIXPOINT own = p.gauge->size();
        return PanelHit{&p, static_cast<int>(std::int64_t(x - p.x) * own.x / p.width),
                        static_cast<int>(std::int64_t(y - p.y) * own.y / p.height)};
    }
    return std::nullopt;
}

namespace {

void draw_scaled(RgbImage& image, const RgbImage& picture, const PlacedGauge& p) {
    for (int row = 0; row < p.height; ++row) {
        const int sy = static_cast<int>(std::int64_t(2 * row + 1) * picture.height() / (2 * p.height));
        for (int col = 0; col < p.width; ++col) {
            const int sx = static_cast<int>(std::int64_t(2 * col + 1) * picture.width() / (2 * p.width));
            image.set(p.x + col, p.y + row, picture.at(sx, sy));
        }
    }
}

void draw_placeholder(RgbImage& image, const PlacedGauge& p) {
    const Rgb edge{160, 160, 160};
    image.fill(p.x, p.y, p.width, p.height, Rgb{64, 64, 64});
    image.fill(p.x, p.y, p.width, 1, edge);
    image.fill(p.x, p.y + p.height - 1, p.width, 1, edge);
    image.fill(p.x, p.y, 1, p.height, edge);
    image.fill(p.x + p.width - 1, p.y, 1, p.height, edge);
    // The module and the gauge on a line each, in the built-in font;
    // a name too wide for the box starts at its left edge and is cut.
    const int line_height = std::min(std::max(8, (p.height - 4) / 2), 16);
    int y = p.y + 2;
    for (const std::string& name : {p.line->module, p.line->gauge}) {
        const TextBox box{p.x + 2, y, p.width - 4, line_height};
        const bool fits = 6 * static_cast<int>(name.size()) - 1 <= box.width;
        draw_text(image, box, name, std::vector<Rgb>(name.size(), Rgb{230, 230, 230}), 0, fits ? 0x05 : 0x04, nullptr);
        y += line_height;
    }
}

}  // namespace

RgbImage render_window(const Panel& panel, const PanelWindow& window, FontBook& fonts) {
    const PIXPOINT size = panel.size(window);
    RgbImage image(size.x, size.y);
    const PanelColour bg = window.background.value_or(PanelColour{});
    image.fill(0, 0, size.x, size.y, Rgb{bg.r, bg.g, bg.b});
    for (const PlacedGauge* p : panel.gauges_of(window)) {
        if (p->gauge == nullptr) {
            draw_placeholder(image, *p);
            continue;
        }
        const PIXPOINT own = p->gauge->size();
        // Drawn at the whole enlargement that reaches the box, then sampled
        // down to it, so texts stay sharp in enlarged boxes.
        const int scale = std::clamp(static_cast<int>(std::ceil(std::max(double(p->width) / own.x, double(p->height) / own.y))), 1, 16);
        draw_scaled(image, render(panel.host(), *p->gauge, scale, fonts), *p);
    }
    return image;
}

}  // namespace bench
