#include "tools/bench/arguments.h"
#include "tools/bench/commands.h"
#include "tools/bench/listing.h"
#include "tools/bench/session.h"
#include "tools/bench/values.h"

namespace bench {

namespace {

const char* const list_help =
    "usage: gaugebench list MODULE [GAUGE...]\n"
    "\n"
    "Lists the gauges of a module (all of them, or those named): header version,\n"
    "size, elements in tree order (the indices scripts use) with type, bitmap,\n"
    "position and text fields, and mouse areas with what each does (the key\n"
    "event it sends or the handler it calls), cursor, flags and help id.\n"
    "Each gauge is installed to be listed, as a 610 gauge hands its mouse list\n"
    "to the host only then.\n"
    "\n"
    "MODULE is a module file; the suffix (.so natively, .gau on Windows) may be\n"
    "left out.\n";

int list(const std::vector<std::string>& words, std::ostream& out) {
    const Arguments args("list", words, {});
    args.expect_positionals(1, 64, "gaugebench list MODULE [GAUGE...]");
    Session session(args.positionals()[0]);
    std::vector<std::string> names(args.positionals().begin() + 1, args.positionals().end());
    if (names.empty())
        for (const emu::GaugeInfo& g : session.module().gauges()) names.push_back(g.name);
    for (const std::string& name : names) session.require_gauge(name);  // before any of the report
    const GAUGESLINKAGE& linkage = session.module().linkage();
    out << session.module_path() << ": module id " << hex(linkage.module_id) << ", simulator version word "
        << hex(linkage.sim_version) << ", " << session.module().gauges().size() << " gauge"
        << (session.module().gauges().size() == 1 ? "" : "s") << "\n";
    for (const std::string& name : names) {
        emu::Gauge& gauge = session.install(name);
        out << "\n";
        list_gauge(out, gauge);
        session.host().kill(gauge);
    }
    session.report_faults();
    return 0;
}

}  // namespace

const Command list_command{"list", "list a module's gauges, elements and mouse areas", list_help, list};

}  // namespace bench
