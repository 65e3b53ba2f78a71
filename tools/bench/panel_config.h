// A panel configuration (panel.cfg) as designers write it: [Window Titles],
// [WindowNN] sections with size_mm, position, visible, ident and
// background_color, and gaugeNN=module!gauge, x, y[, w[, h[, param]]]
// lines. Keys in any case, comments after // or ;, CRLF or LF. Sections
// and keys the panel does not need to be drawn (views, virtual cockpits,
// file=, ...) are skipped. Reading is pure: no module is looked at here.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace bench {

struct PanelGaugeLine {
    int line = 0;         // in the file, for messages
    std::string key;      // "gauge14", as written
    std::string module;   // "halbrook"
    std::string gauge;    // "halbrook"
    int x = 0, y = 0;     // in pixels of the window
    std::optional<int> width, height;  // absent: from the gauge's own size
    std::string parameter;             // whatever follows the height
};

struct PanelColour {
    std::uint8_t r = 0, g = 0, b = 0;
};

struct PanelWindow {
    std::string section;  // "Window00", as written
    int number = 0;       // 0 for Window00
    std::string title;    // from [Window Titles], else the section name
    std::optional<int> width, height;  // size_mm; absent: the gauges' extent
    int position = 0;
    bool visible = true;
    std::string ident;    // "MAIN_PANEL", "110", or empty
    std::optional<PanelColour> background;
    std::vector<PanelGaugeLine> gauges;

    // The ident as a window id for the host's window toggles, if numeric.
    std::optional<std::uint32_t> ident_number() const;
};

struct PanelConfig {
    std::string path;
    std::vector<PanelWindow> windows;  // in window number order

    // A window by number ("1", "01"), section name ("Window01") or ident
    // ("110", "MAIN_PANEL", any case); null if none matches.
    const PanelWindow* find(const std::string& which) const;
};

// Throws Error "path:line: what" for a malformed line.
PanelConfig parse_panel_config(const std::string& text, const std::string& path);
PanelConfig read_panel_config(const std::string& path);  // Error when it cannot be read

}  // namespace bench
