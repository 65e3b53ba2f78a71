#include "tools/bench/arguments.h"
#include "tools/bench/commands.h"
#include "tools/bench/errors.h"
#include "tools/bench/png_file.h"
#include "tools/bench/render.h"
#include "tools/bench/script_runner.h"
#include "tools/bench/session.h"

namespace bench {

namespace {

const char* const render_help =
    "usage: gaugebench render MODULE GAUGE -o FILE.png [options]\n"
    "\n"
    "Draws a gauge as the host would after its last frame, into a PNG at its\n"
    "background's pixel size (times --scale). In this order: installs the gauge,\n"
    "sets the --set variables and the --select selection, runs the --script, then\n"
    "runs --frames frames. The file appears whole or not at all.\n"
    "\n"
    "  -o, --output FILE      the PNG to write\n"
    "  --scale N              enlarge N times (1 to 16; default 1)\n"
    "  --set TOKEN=VALUE      a host variable, as the script's set step; repeatable\n"
    "  --select ID            the host's radio selection (highlights)\n"
    "  --script FILE          a bench script to run first (see gaugebench run --help)\n"
    "  --frames N             frames to run last (default 1, or 0 after a script)\n"
    "\n"
    "Texts in \"Courier New\" are drawn with Liberation Mono, in \"Quartz\" with\n"
    "DSEG7 Classic; GAUGEBENCH_FONTS names other font folders. A face without a\n"
    "font file is drawn with a built-in 5x7 font, with a warning.\n";

SetStep parse_set(const std::string& text) {
    const auto eq = text.find('=');
    const std::string where = "render: --set \"" + text + "\": ";
    if (eq == std::string::npos) throw Error(where + "expected TOKEN=VALUE");
    const auto token = parse_u32(text.substr(0, eq));
    if (!token) throw Error(where + "bad token \"" + text.substr(0, eq) + "\" (a decimal or 0x hex 32-bit number)");
    const auto value = parse_value(text.substr(eq + 1));
    if (!value) throw Error(where + "bad value \"" + text.substr(eq + 1) + "\" (a number, 0x hex, int:N or bcd:DIGITS)");
    return SetStep{*token, *value};
}

int render_gauge(const std::vector<std::string>& words, std::ostream& out) {
    const Arguments args("render", words,
                         {{.name = "output", .takes_value = true, .short_name = 'o'},
                          {.name = "scale", .takes_value = true},
                          {.name = "set", .takes_value = true},
                          {.name = "select", .takes_value = true},
                          {.name = "script", .takes_value = true},
                          {.name = "frames", .takes_value = true}});
    args.expect_positionals(2, 2, "gaugebench render MODULE GAUGE -o FILE.png [options]");
    const auto output = args.value("output");
    if (!output) throw Error("render: no output file (-o FILE.png)");
    const int scale = args.integer("scale", 1, 1, 16);
    std::vector<SetStep> sets;
    for (const std::string& s : args.values("set")) sets.push_back(parse_set(s));
    std::optional<SINT32> selection;
    if (const auto text = args.value("select")) {
        const auto v = parse_u32(*text);
        if (!v) throw Error("render: bad --select \"" + *text + "\" (a decimal or 0x hex number)");
        selection = static_cast<SINT32>(*v);
    }
    std::optional<Script> script;
    if (const auto path = args.value("script")) script = read_script(*path);
    const int frames = args.integer("frames", script ? 0 : 1, 0, 1000000);

    Session session(args.positionals()[0]);
    emu::Gauge& gauge = session.install(args.positionals()[1]);
    for (const SetStep& s : sets) apply(session.host(), s.token, s.value);
    if (selection) session.host().set_radio_selection(*selection);
    if (script) ScriptRunner(session.host(), gauge).run(*script);
    session.host().frames(frames);
    session.report_faults();

    FontBook fonts;
    write_png(render(session.host(), gauge, scale, fonts), *output);
    out << *output << ": " << gauge.size().x * scale << " x " << gauge.size().y * scale << " pixels\n";
    return 0;
}

}  // namespace

const Command render_command{"render", "draw a gauge into a PNG", render_help, render_gauge};

const std::vector<const Command*>& commands() {
    static const std::vector<const Command*> all{&list_command, &run_command, &render_command};
    return all;
}

}  // namespace bench
