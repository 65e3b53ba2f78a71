// gaugebench: runs, clicks, traces and renders gauge modules without the
// simulator, through the host emulator. See docs/bench.md.
#include <exception>
#include <iostream>
#include <string>
#include <vector>

#include "tools/bench/commands.h"
#include "tools/bench/errors.h"

namespace {

void usage(std::ostream& out) {
    out << "usage: gaugebench COMMAND [ARGS...]\n"
           "       gaugebench COMMAND --help\n"
           "\n"
           "Lists, scripts and renders the gauges of a gauge module without the\n"
           "simulator, and whole panels from their panel.cfg, live in a browser too.\n"
           "\n"
           "Commands:\n";
    for (const bench::Command* c : bench::commands()) out << "  " << c->name << std::string(10 - std::string(c->name).size(), ' ') << c->summary << "\n";
}

bool wants_help(const std::vector<std::string>& words) {
    for (const std::string& w : words) {
        if (w == "--") return false;
        if (w == "--help" || w == "-h") return true;
    }
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> all(argv + 1, argv + argc);
    if (all.empty()) {
        usage(std::cerr);
        return 2;
    }
    if (all[0] == "--help" || all[0] == "-h" || all[0] == "help") {
        if (all.size() > 1 && all[0] == "help") {
            for (const bench::Command* c : bench::commands())
                if (all[1] == c->name) return std::cout << c->help, 0;
        }
        usage(std::cout);
        return 0;
    }
    for (const bench::Command* c : bench::commands()) {
        if (all[0] != c->name) continue;
        const std::vector<std::string> words(all.begin() + 1, all.end());
        if (wants_help(words)) {
            std::cout << c->help;
            return 0;
        }
        try {
            return c->run(words, std::cout);
        } catch (const bench::Error& e) {
            std::cout.flush();
            std::cerr << "gaugebench: " << e.what() << "\n";
            return 1;
        } catch (const std::exception& e) {
            std::cout.flush();
            std::cerr << "gaugebench: " << e.what() << "\n";
            return 1;
        }
    }
    std::cerr << "gaugebench: unknown command \"" << all[0] << "\" (see gaugebench --help)\n";
    return 2;
}
