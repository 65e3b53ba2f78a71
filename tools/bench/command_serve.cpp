#include <iostream>

#include "tools/bench/arguments.h"
#include "tools/bench/commands.h"
#include "tools/bench/errors.h"
#include "tools/bench/http_server.h"
#include "tools/bench/panel.h"
#include "tools/bench/panel_service.h"
#include "tools/bench/script_runner.h"
#include "tools/bench/setup_options.h"

namespace bench {

namespace {

const char* const serve_help =
    "usage: gaugebench serve PANEL.CFG [--gauges DIR]... [--port N] [--bind ADDRESS] [--fps N] [options]\n"
    "\n"
    "Runs a whole panel configuration live in the host emulator and shows it in a\n"
    "web browser: open the address it prints. The page draws the windows as frames\n"
    "run, sends clicks, holds and drags to the gauges, shows each area's cursor and\n"
    "help id, sets host variables by name or token, logs the key events and window\n"
    "toggles sent, and saves what was done as a bench script. Ctrl+C stops it.\n"
    "\n"
    "  --gauges DIR           a Gauges folder to find modules in; repeatable\n"
    "  --port N               the port (default 0: a free one, printed)\n"
    "  --bind ADDRESS         the address to listen on (default 127.0.0.1, this\n"
    "                         machine only)\n"
    "  --fps N                frames a second, 1 to 60 (default 18)\n"
    "  --set, --select, --script, --frames\n"
    "                         the starting state, as gaugebench panel takes them\n";

int serve(const std::vector<std::string>& words, std::ostream& out) {
    std::vector<OptionRule> rules{{.name = "gauges", .takes_value = true},
                                  {.name = "port", .takes_value = true},
                                  {.name = "bind", .takes_value = true},
                                  {.name = "fps", .takes_value = true}};
    for (const OptionRule& r : setup_option_rules()) rules.push_back(r);
    const Arguments args("serve", words, rules);
    args.expect_positionals(1, 1, "gaugebench serve PANEL.CFG [--gauges DIR]... [--port N] [--bind ADDRESS] [--fps N]");
    HttpServerOptions options;
    options.port = static_cast<unsigned short>(args.integer("port", 0, 0, 65535));
    options.address = args.value("bind").value_or("127.0.0.1");
    const int fps = args.integer("fps", 18, 1, 60);
    const SetupOptions setup = read_setup_options("serve", args);
    PanelConfig config = read_panel_config(args.positionals()[0]);
    if (config.windows.empty()) throw Error(config.path + ": no [WindowNN] section to show");

    Panel panel(std::move(config), args.values("gauges"));
    for (const std::string& w : panel.warnings()) std::cerr << "gaugebench: warning: " << w << "\n";
    apply_settings(panel.host(), setup);
    if (setup.script)
        ScriptRunner(panel.host(), [&](const std::string& w, const std::string& k) { return panel.script_gauge(w, k); })
            .run(*setup.script);
    panel.host().frames(setup.script ? setup.frames : 0);
    panel.host().take_events();

    PanelService service(panel, fps);
    options.tick_interval = std::chrono::microseconds(1000000 / fps);
    options.tick = [&service, &options] { options.tick_interval = service.tick(); };
    options.listening = [&](unsigned short port) {
        out << "gaugebench: serving " << panel.config().path << " on http://" << options.address << ":" << port
            << "/ (Ctrl+C stops)" << std::endl;
    };
    serve_http(options, [&service](const HttpRequest& r) { return service.handle(r); });
    out << "gaugebench: stopped after " << service.frame() << " frames" << std::endl;
    return 0;
}

}  // namespace

const Command serve_command{"serve", "run a whole panel.cfg live in a web browser", serve_help, serve};

}  // namespace bench
