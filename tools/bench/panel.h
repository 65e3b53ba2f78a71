// A whole panel in the host emulator: every gauge line of every window of
// a panel configuration, its module found as the simulator finds it (the
// panel's own folder first, then the Gauges folders given) and its gauge
// installed, in file order. A line whose module cannot be found or loaded,
// or whose module has no such gauge, stays on the panel as a placeholder
// with the reason, and is listed as a warning.
#pragma once

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "emulator/host_emulator.h"
#include "tools/bench/fonts.h"
#include "tools/bench/panel_config.h"
#include "tools/bench/rgb_image.h"

namespace bench {

struct PlacedGauge {
    const PanelWindow* window = nullptr;
    const PanelGaugeLine* line = nullptr;
    emu::Gauge* gauge = nullptr;  // null for a placeholder
    std::string problem;          // why it is a placeholder
    int x = 0, y = 0, width = 0, height = 0;  // its box, in pixels of the window

    std::string label() const { return line->module + "!" + line->gauge; }
};

// A point of a window that lands on a live gauge, in the gauge's pixels.
struct PanelHit {
    PlacedGauge* placed = nullptr;
    int x = 0, y = 0;
};

class Panel {
public:
    Panel(PanelConfig config, const std::vector<std::string>& gauge_folders);
    Panel(const Panel&) = delete;
    Panel& operator=(const Panel&) = delete;

    emu::Host& host() { return *host_; }
    const emu::Host& host() const { return *host_; }
    const PanelConfig& config() const { return config_; }
    const std::vector<std::string>& warnings() const { return warnings_; }

    // The window named by number, section or ident; Error naming the
    // configuration and the windows it has when there is none.
    const PanelWindow& window(const std::string& which) const;
    std::vector<PlacedGauge*> gauges_of(const PanelWindow& window);
    std::vector<const PlacedGauge*> gauges_of(const PanelWindow& window) const;
    // A gauge by its line key ("gauge14") or number ("14") in a window.
    PlacedGauge* gauge(const PanelWindow& window, const std::string& key);
    // What a script's `gauge WINDOW KEY` step drives: Error for a window or
    // key the panel lacks, null for a placeholder.
    emu::Gauge* script_gauge(const std::string& window, const std::string& key);

    // size_mm, or the extent of the window's gauges without it.
    PIXPOINT size(const PanelWindow& window) const;
    // Shown now: the configuration's visible= flipped by each toggle of
    // the window's numeric ident the host has seen.
    bool open(const PanelWindow& window) const;
    // The live gauge drawn on top at a point of a window (later lines are
    // drawn over earlier ones); none outside every live gauge.
    std::optional<PanelHit> hit(const PanelWindow& window, int x, int y);

private:
    void place(const PanelWindow& window, const PanelGaugeLine& line);
    emu::Module* module(const std::string& name, std::string& problem);

    PanelConfig config_;
    std::vector<std::string> folders_;
    std::unique_ptr<emu::Host> host_;
    std::vector<PlacedGauge> placed_;
    std::map<std::string, std::pair<emu::Module*, std::string>> modules_;  // by lower-case name: module or problem
    std::vector<std::string> warnings_;
};

// The window as the host draws it: its background colour (black without
// one), then each gauge line in file order, every gauge scaled to its box;
// placeholders as grey boxes labelled module!gauge.
RgbImage render_window(const Panel& panel, const PanelWindow& window, FontBook& fonts);

}  // namespace bench
