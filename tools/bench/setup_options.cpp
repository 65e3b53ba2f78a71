#include "tools/bench/setup_options.h"

#include "tools/bench/errors.h"
#include "tools/bench/values.h"

namespace bench {

namespace {

SetStep parse_set(const std::string& command, const std::string& text) {
    const auto eq = text.find('=');
    const std::string where = command + ": --set \"" + text + "\": ";
    if (eq == std::string::npos) throw Error(where + "expected TOKEN=VALUE");
    const auto token = parse_u32(text.substr(0, eq));
    if (!token) throw Error(where + "bad token \"" + text.substr(0, eq) + "\" (a decimal or 0x hex 32-bit number)");
    const auto value = parse_value(text.substr(eq + 1));
    if (!value) throw Error(where + "bad value \"" + text.substr(eq + 1) + "\" (a number, 0x hex, int:N or bcd:DIGITS)");
    return SetStep{*token, *value};
}

}  // namespace

std::vector<OptionRule> setup_option_rules() {
    return {{.name = "set", .takes_value = true},
            {.name = "select", .takes_value = true},
            {.name = "script", .takes_value = true},
            {.name = "frames", .takes_value = true}};
}

SetupOptions read_setup_options(const std::string& command, const Arguments& args) {
    SetupOptions o;
    for (const std::string& s : args.values("set")) o.sets.push_back(parse_set(command, s));
    if (const auto text = args.value("select")) {
        const auto v = parse_u32(*text);
        if (!v) throw Error(command + ": bad --select \"" + *text + "\" (a decimal or 0x hex number)");
        o.selection = static_cast<SINT32>(*v);
    }
    if (const auto path = args.value("script")) o.script = read_script(*path);
    o.frames = args.integer("frames", o.script ? 0 : 1, 0, 1000000);
    return o;
}

void apply_settings(emu::Host& host, const SetupOptions& options) {
    for (const SetStep& s : options.sets) apply(host, s.token, s.value);
    if (options.selection) host.set_radio_selection(*options.selection);
}

}  // namespace bench
