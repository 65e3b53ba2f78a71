#include "tools/bench/panel_service.h"

#include <algorithm>
#include <cstdio>

#include "tools/bench/errors.h"
#include "tools/bench/page_assets.h"
#include "tools/bench/png_file.h"
#include "tools/bench/script_runner.h"
#include "tools/bench/values.h"
#include "tools/bench/variable_names.h"

namespace bench {

namespace {

constexpr std::size_t log_capacity = 1000;  // entries the page can still fetch
constexpr int max_fps = 60;

std::string json_string(const std::string& s) {
    std::string out = "\"";
    for (unsigned char c : s) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c < 0x20) {
            char buf[8];
            std::snprintf(buf, sizeof buf, "\\u%04x", c);
            out += buf;
        } else {
            out += static_cast<char>(c);
        }
    }
    return out + "\"";
}

HttpResponse json(std::string body) { return HttpResponse{.status = 200, .content_type = "application/json", .body = std::move(body)}; }
HttpResponse bad(const std::string& why) { return HttpResponse{.status = 400, .body = why + "\n"}; }

int hex_digit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// Percent-decoding, with + as a blank in queries; Error for a bad escape.
std::string decoded(const std::string& s, bool query) {
    std::string out;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '%') {
            const int hi = i + 2 < s.size() ? hex_digit(s[i + 1]) : -1, lo = i + 2 < s.size() ? hex_digit(s[i + 2]) : -1;
            if (hi < 0 || lo < 0) throw Error("bad %-escape in \"" + s + "\"");
            out += static_cast<char>(hi * 16 + lo);
            i += 2;
        } else {
            out += query && s[i] == '+' ? ' ' : s[i];
        }
    }
    return out;
}

std::map<std::string, std::string> parse_query(const std::string& q) {
    std::map<std::string, std::string> out;
    std::string::size_type start = 0;
    while (start <= q.size() && !q.empty()) {
        const auto amp = std::min(q.find('&', start), q.size());
        const std::string pair = q.substr(start, amp - start);
        if (!pair.empty()) {
            const auto eq = pair.find('=');
            out[decoded(pair.substr(0, eq), true)] = eq == std::string::npos ? "" : decoded(pair.substr(eq + 1), true);
        }
        start = amp + 1;
    }
    return out;
}

const std::string& required(const std::map<std::string, std::string>& query, const std::string& name) {
    const auto it = query.find(name);
    if (it == query.end() || it->second.empty()) throw Error("missing " + name + "=");
    return it->second;
}

std::string cursor_word(ID32 cursor) {
    switch (cursor) {
        case CURSOR_NONE: return "none";
        case CURSOR_UPARROW: return "up-arrow";
        case CURSOR_DOWNARROW: return "down-arrow";
        case CURSOR_HAND: return "hand";
        default: return "other";
    }
}

}  // namespace

const char* content_type_of(const std::string& file) {
    if (file.ends_with(".html")) return "text/html; charset=utf-8";
    if (file.ends_with(".js")) return "text/javascript; charset=utf-8";
    if (file.ends_with(".css")) return "text/css; charset=utf-8";
    return "application/octet-stream";
}

PanelService::PanelService(Panel& panel, int fps) : panel_(panel), fps_(std::clamp(fps, 1, max_fps)) {
    for (const std::string& w : panel_.warnings()) log_.push_back(LogEntry{logged_++, "warning: " + w});
}

HttpResponse PanelService::handle(const HttpRequest& request) {
    try {
        if (request.target.empty() || request.target[0] != '/') return bad("bad request: the target must start with /");
        const auto mark = request.target.find('?');
        const std::string path = decoded(request.target.substr(0, mark), false);
        const auto query = parse_query(mark == std::string::npos ? "" : request.target.substr(mark + 1));
        return route(request.method, path, query);
    } catch (const Error& e) {
        return bad(e.what());
    }
}

HttpResponse PanelService::route(const std::string& method, const std::string& path, const std::map<std::string, std::string>& query) {
    const bool get = method == "GET", post = method == "POST";
    auto only = [&](bool ok, const char* which) {
        if (!ok) throw Error(std::string("bad request: ") + method + " " + path + " takes " + which);
    };
    if (!path.starts_with("/api/")) {
        for (const PageAsset& a : page_assets())
            if (path == a.path) {
                only(get, "GET");
                return HttpResponse{.status = 200, .content_type = content_type_of(a.file), .body = a.body};
            }
        return HttpResponse{.status = 404, .body = "no page " + path + "\n"};
    }
    if (path == "/api/panel") return only(get, "GET"), panel_json();
    if (path == "/api/state") return only(get, "GET"), state_json(query);
    if (path.starts_with("/api/window/") && path.ends_with(".png"))
        return only(get, "GET"), window_png(path.substr(12, path.size() - 16));
    if (path == "/api/point") return only(get, "GET"), point_json(query);
    if (path == "/api/mouse") return only(post, "POST"), mouse(query);
    if (path == "/api/gauge") return only(get, "GET"), gauge_json(query);
    if (path == "/api/set") return only(post, "POST"), set_variable(query);
    if (path == "/api/select") {
        only(post, "POST");
        const auto id = parse_u32(required(query, "id"));
        if (!id) throw Error("bad radio selection \"" + query.at("id") + "\" (a decimal or 0x hex number)");
        panel_.host().set_radio_selection(static_cast<SINT32>(*id));
        record("select " + std::to_string(*id));
        ++version_;
        return json("{}");
    }
    if (path == "/api/fps") {
        only(post, "POST");
        const auto v = parse_int(required(query, "value"));
        if (!v || *v < 1 || *v > max_fps) throw Error("bad frame rate \"" + query.at("value") + "\" (1 to 60)");
        fps_ = *v;
        return json("{\"fps\":" + std::to_string(fps_) + "}");
    }
    if (path == "/api/script") {
        only(get, "GET");
        std::string text = "# " + panel_.config().path + ", as played live; gaugebench panel " + panel_.config().path +
                           " --script FILE replays it\n";
        for (const std::string& line : script_) text += line + "\n";
        if (frames_unrecorded_ > 0) text += "frames " + std::to_string(frames_unrecorded_) + "\n";
        return HttpResponse{.status = 200, .content_type = "text/plain; charset=utf-8", .body = text};
    }
    return HttpResponse{.status = 404, .body = "no such request: " + path + "\n"};
}

HttpResponse PanelService::panel_json() const {
    std::string out = "{\"path\":" + json_string(panel_.config().path) + ",\"fps\":" + std::to_string(fps_) + ",\"windows\":[";
    bool first = true;
    for (const PanelWindow& w : panel_.config().windows) {
        const PIXPOINT size = panel_.size(w);
        out += std::string(first ? "" : ",") + "{\"section\":" + json_string(w.section) + ",\"number\":" + std::to_string(w.number) +
               ",\"title\":" + json_string(w.title) + ",\"ident\":" + json_string(w.ident) + ",\"visible\":" + (w.visible ? "true" : "false") +
               ",\"position\":" + std::to_string(w.position) + ",\"width\":" + std::to_string(size.x) + ",\"height\":" + std::to_string(size.y) +
               ",\"gauges\":[";
        first = false;
        bool first_gauge = true;
        for (const PlacedGauge* p : panel_.gauges_of(w)) {
            out += std::string(first_gauge ? "" : ",") + "{\"key\":" + json_string(p->line->key) + ",\"label\":" + json_string(p->label()) +
                   ",\"x\":" + std::to_string(p->x) + ",\"y\":" + std::to_string(p->y) + ",\"width\":" + std::to_string(p->width) +
                   ",\"height\":" + std::to_string(p->height) + ",\"placeholder\":" + (p->gauge ? "false" : "true") +
                   ",\"problem\":" + json_string(p->problem) + "}";
            first_gauge = false;
        }
        out += "]}";
    }
    out += "],\"variables\":[";
    first = true;
    for (const VariableName& v : variable_names()) {
        out += std::string(first ? "" : ",") + "{\"name\":" + json_string(v.name) + ",\"token\":" + json_string(hex(v.token)) +
               ",\"meaning\":" + json_string(v.meaning) + "}";
        first = false;
    }
    return json(out + "]}");
}

HttpResponse PanelService::state_json(const std::map<std::string, std::string>& query) const {
    long since = 0;
    if (const auto it = query.find("since"); it != query.end()) {
        const auto v = parse_int(it->second);
        if (!v || *v < 0) throw Error("bad since=\"" + it->second + "\" (a log entry number)");
        since = *v;
    }
    std::string out = "{\"frame\":" + std::to_string(frame_) + ",\"version\":" + std::to_string(version_) +
                      ",\"fps\":" + std::to_string(fps_) + ",\"selection\":" + std::to_string(panel_.host().radio_selection()) + ",\"open\":{";
    bool first = true;
    for (const PanelWindow& w : panel_.config().windows) {
        out += std::string(first ? "" : ",") + json_string(w.section) + ":" + (panel_.open(w) ? "true" : "false");
        first = false;
    }
    out += "},\"log\":[";
    first = true;
    for (const LogEntry& e : log_) {
        if (e.number < since) continue;
        out += std::string(first ? "" : ",") + "{\"n\":" + std::to_string(e.number) + ",\"text\":" + json_string(e.text) + "}";
        first = false;
    }
    return json(out + "],\"next\":" + std::to_string(logged_) + "}");
}

HttpResponse PanelService::window_png(const std::string& which) {
    const PanelWindow& w = panel_.window(which);
    auto& [version, png] = pictures_[w.section];
    if (png.empty() || version != version_) {
        const std::vector<std::uint8_t> bytes = encode_png(render_window(panel_, w, fonts_));
        png.assign(bytes.begin(), bytes.end());
        version = version_;
    }
    return HttpResponse{.status = 200, .content_type = "image/png", .body = png};
}

const PanelWindow& PanelService::window_of(const std::map<std::string, std::string>& query) const {
    return panel_.window(required(query, "window"));
}

PIXPOINT PanelService::point_of(const std::map<std::string, std::string>& query, const PanelWindow& window) const {
    const auto x = parse_int(required(query, "x")), y = parse_int(required(query, "y"));
    if (!x || !y) throw Error("bad point (" + query.at("x") + ", " + query.at("y") + "): whole numbers of pixels");
    const PIXPOINT size = panel_.size(window);
    if (*x < 0 || *y < 0 || *x >= size.x || *y >= size.y)
        throw Error("point (" + std::to_string(*x) + ", " + std::to_string(*y) + ") is outside " + window.section + " (" +
                    std::to_string(size.x) + " x " + std::to_string(size.y) + ")");
    return PIXPOINT{*x, *y};
}

HttpResponse PanelService::point_json(const std::map<std::string, std::string>& query) {
    const PanelWindow& w = window_of(query);
    const PIXPOINT at = point_of(query, w);
    const auto hit = panel_.hit(w, at.x, at.y);
    if (!hit) return json("{\"gauge\":null}");
    const ID32 help = panel_.host().help_id_at(*hit->placed->gauge, hit->x, hit->y);
    const ID32 cursor = panel_.host().cursor_at(*hit->placed->gauge, hit->x, hit->y);
    return json("{\"gauge\":" + json_string(hit->placed->line->key) + ",\"label\":" + json_string(hit->placed->label()) +
                ",\"x\":" + std::to_string(hit->x) + ",\"y\":" + std::to_string(hit->y) + ",\"cursor\":" + json_string(cursor_word(cursor)) +
                ",\"help\":" + (help ? json_string(hex(help) + " (" + std::to_string(help) + ")") : "null") + "}");
}

HttpResponse PanelService::gauge_json(const std::map<std::string, std::string>& query) {
    const PanelWindow& w = window_of(query);
    const PlacedGauge* p = panel_.gauge(w, required(query, "key"));
    if (p == nullptr) throw Error(w.section + " has no gauge line " + query.at("key"));
    std::string out = "{\"key\":" + json_string(p->line->key) + ",\"label\":" + json_string(p->label()) + ",\"elements\":[";
    if (p->gauge != nullptr) {
        const auto& elements = p->gauge->elements();
        for (std::size_t i = 1; i < elements.size(); ++i) {
            const emu::ElementState& e = elements[i];
            out += std::string(i > 1 ? "," : "") + "{\"element\":" + std::to_string(i) + ",\"text\":" +
                   (e.element->element_type == ELEMENT_TYPE_STRING ? json_string(e.text) : "null") +
                   ",\"hidden\":" + (e.hidden ? "true" : "false") + "}";
        }
    }
    return json(out + "]}");
}

HttpResponse PanelService::mouse(const std::map<std::string, std::string>& query) {
    const std::string& action = required(query, "action");
    if (action != "down" && action != "up" && action != "drag")
        throw Error("bad action \"" + action + "\" (down, up or drag)");
    const PanelWindow& w = window_of(query);
    const PIXPOINT at = point_of(query, w);
    if (action == "up") {
        end_hold();
        return json("{\"taken\":true}");
    }
    if (action == "down") end_hold();  // a new press ends one whose release was lost
    const auto hit = panel_.hit(w, at.x, at.y);
    bool taken = false;
    if (hit && action == "down") {
        taken = panel_.host().click(*hit->placed->gauge, hit->x, hit->y);
        if (taken) {
            record(*hit->placed, "click " + std::to_string(hit->x) + " " + std::to_string(hit->y));
            held_ = Held{hit->placed, hit->x, hit->y, script_.size() - 1};
        }
    } else if (hit) {
        taken = panel_.host().drag(*hit->placed->gauge, hit->x, hit->y);
        if (taken) record(*hit->placed, "drag " + std::to_string(hit->x) + " " + std::to_string(hit->y));
    }
    ++version_;
    collect();
    return json(std::string("{\"taken\":") + (taken ? "true" : "false") +
                ",\"gauge\":" + (hit ? json_string(hit->placed->line->key) : "null") + "}");
}

void PanelService::end_hold() {
    if (!held_) return;
    const Held h = *held_;
    held_.reset();
    // The press was recorded as a click; its repeats make it a hold.
    if (h.repeats > 0) script_[h.step] = "hold " + std::to_string(h.x) + " " + std::to_string(h.y) + " " + std::to_string(h.repeats);
}

HttpResponse PanelService::set_variable(const std::map<std::string, std::string>& query) {
    const std::string& name = required(query, "var");
    const auto token = variable_token(name);
    if (!token) throw Error("unknown variable \"" + name + "\" (a name such as altitude, or a token such as 0x4A)");
    const std::string& text = required(query, "value");
    const auto value = parse_value(text);
    if (!value || text.find_first_of(" \t") != std::string::npos)
        throw Error("bad value \"" + text + "\" (a number, 0x hex, int:N or bcd:DIGITS)");
    apply(panel_.host(), *token, *value);
    record("set " + hex(*token) + " " + text);
    ++version_;
    return json("{\"token\":" + json_string(hex(*token)) + "}");
}

std::chrono::microseconds PanelService::tick() {
    panel_.host().frame();
    ++frame_;
    ++frames_unrecorded_;
    ++version_;
    if (held_ && held_->repeating) {
        // Repeats start half a second into the hold, then come ten a second.
        const int delay = std::max(1, fps_ / 2), interval = std::max(1, fps_ / 10);
        if (++held_->ticks >= delay && (held_->ticks - delay) % interval == 0) {
            if (panel_.host().repeat(*held_->placed->gauge, held_->x, held_->y))
                ++held_->repeats;
            else
                held_->repeating = false;  // the area does not repeat
        }
    }
    collect();
    return std::chrono::microseconds(1000000 / fps_);
}

void PanelService::collect() {
    for (const emu::HostEvent& e : panel_.host().take_events()) {
        std::string text;
        if (e.kind == emu::HostEvent::Kind::window_toggle) {
            // The host's value is whether the window is toggled from how the
            // configuration shows it (visible=).
            std::string name = "window " + std::to_string(e.id), state = e.value ? "toggled" : "toggled back";
            for (const PanelWindow& w : panel_.config().windows)
                if (w.ident_number() == e.id) {
                    name = w.section + " (ident " + w.ident + ")";
                    state = w.visible != (e.value != 0) ? "opened" : "closed";
                }
            text = "window:" + std::to_string(e.id) + " " + name + " " + state;
        } else {
            text = "event " + describe(e) + (e.origin == emu::HostEvent::Origin::mouse_area ? " (mouse area)" : "");
        }
        log_.push_back(LogEntry{logged_++, text});
    }
    for (const std::string& f : panel_.host().take_faults()) log_.push_back(LogEntry{logged_++, "host fault: " + f});
    while (log_.size() > log_capacity) log_.pop_front();
}

void PanelService::record(const PlacedGauge& placed, const std::string& step) {
    if (&placed != script_gauge_) {
        record("gauge " + placed.window->section + " " + placed.line->key);
        script_gauge_ = &placed;
    }
    record(step);
}

void PanelService::record(const std::string& step) {
    if (frames_unrecorded_ > 0) script_.push_back("frames " + std::to_string(frames_unrecorded_));
    frames_unrecorded_ = 0;
    script_.push_back(step);
}

}  // namespace bench
