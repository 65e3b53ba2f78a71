#include <iostream>

#include "tools/bench/arguments.h"
#include "tools/bench/commands.h"
#include "tools/bench/errors.h"
#include "tools/bench/panel.h"
#include "tools/bench/png_file.h"
#include "tools/bench/script_runner.h"
#include "tools/bench/setup_options.h"

namespace bench {

namespace {

const char* const panel_help =
    "usage: gaugebench panel PANEL.CFG [--gauges DIR]... [--window W] -o FILE.png [options]\n"
    "\n"
    "Loads a whole panel configuration into the host emulator: every gauge line of\n"
    "every window, its module looked for in the panel's own folder, then in each\n"
    "--gauges folder. Draws one window, every gauge scaled to its box, into a PNG at\n"
    "the window's size_mm. A gauge whose module is missing or cannot be loaded (an\n"
    "XML gauge, another maker's module) is drawn as a labelled placeholder and\n"
    "listed as a warning. In this order: installs every gauge, sets the --set\n"
    "variables and the --select selection, runs the --script, then --frames frames.\n"
    "\n"
    "  --gauges DIR           a Gauges folder to find modules in; repeatable\n"
    "  --window W             the window: its number (0, 01), section (Window01) or\n"
    "                         ident (110, MAIN_PANEL); default the first\n"
    "  -o, --output FILE      the PNG to write\n"
    "  --set TOKEN=VALUE      a host variable, as the script's set step; repeatable\n"
    "  --select ID            the host's radio selection (highlights)\n"
    "  --script FILE          a bench script; its steps drive the gauge its last\n"
    "                         `gauge WINDOW KEY` step chose (gauge 0 gauge14)\n"
    "  --frames N             frames to run last (default 1, or 0 after a script)\n";

int panel(const std::vector<std::string>& words, std::ostream& out) {
    std::vector<OptionRule> rules{{.name = "output", .takes_value = true, .short_name = 'o'},
                                  {.name = "gauges", .takes_value = true},
                                  {.name = "window", .takes_value = true}};
    for (const OptionRule& r : setup_option_rules()) rules.push_back(r);
    const Arguments args("panel", words, rules);
    args.expect_positionals(1, 1, "gaugebench panel PANEL.CFG [--gauges DIR]... [--window W] -o FILE.png [options]");
    const auto output = args.value("output");
    if (!output) throw Error("panel: no output file (-o FILE.png)");
    const SetupOptions setup = read_setup_options("panel", args);
    PanelConfig config = read_panel_config(args.positionals()[0]);
    if (config.windows.empty()) throw Error(config.path + ": no [WindowNN] section to draw");
    const std::string which = args.value("window").value_or(config.windows.front().section);

    Panel panel(std::move(config), args.values("gauges"));
    const PanelWindow& window = panel.window(which);
    for (const std::string& w : panel.warnings()) std::cerr << "gaugebench: warning: " << w << "\n";
    apply_settings(panel.host(), setup);
    if (setup.script)
        ScriptRunner(panel.host(), [&](const std::string& w, const std::string& k) { return panel.script_gauge(w, k); })
            .run(*setup.script);
    panel.host().frames(setup.frames);
    for (const std::string& f : panel.host().take_faults()) std::cerr << "gaugebench: warning: host fault: " << f << "\n";

    FontBook fonts;
    const RgbImage image = render_window(panel, window, fonts);
    write_png(image, *output);
    std::size_t placeholders = 0;
    const auto placed = panel.gauges_of(window);
    for (const PlacedGauge* p : placed) placeholders += p->gauge == nullptr ? 1 : 0;
    out << *output << ": " << window.section << ", " << image.width() << " x " << image.height() << " pixels, " << placed.size()
        << " gauge" << (placed.size() == 1 ? "" : "s") << " (" << placeholders << " placeholder" << (placeholders == 1 ? "" : "s")
        << ")\n";
    return 0;
}

}  // namespace

const Command panel_command{"panel", "draw a window of a whole panel.cfg into a PNG", panel_help, panel};

}  // namespace bench
