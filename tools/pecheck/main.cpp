// pecheck <table> <build tree> <module file>...
//
// Checks built gauge modules from the outside, reading each file as a PE
// file: its machine, its export table, the DLLs it imports and its
// resources, against the table of expectations. Prints what it checked and
// every difference; exits 1 when any file differs or cannot be read.
#include <cstdio>
#include <string>

#include "tools/pecheck/check.h"

namespace {

// The module's name: the file name without folder and extension.
std::string module_name(const std::string& path) {
    std::string name = path.substr(path.find_last_of("/\\") + 1);
    if (const auto dot = name.rfind('.'); dot != std::string::npos && dot > 0) name.erase(dot);
    return name;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: pecheck <table> <build tree> <module file>...\n");
        return 2;
    }
    pecheck::Table table;
    try {
        table = pecheck::read_table(argv[1]);
    } catch (const pecheck::TableError& e) {
        std::fprintf(stderr, "pecheck: %s\n", e.what());
        return 2;
    }
    const std::string tree = argv[2];
    int failed = 0;
    for (int i = 3; i < argc; ++i) {
        const std::string path = argv[i];
        try {
            const pecheck::PeFile pe = pecheck::read_pe_file(path);
            const auto differences = pecheck::check_module(pe, module_name(path), tree, table);
            for (const std::string& d : differences) std::printf("%s: %s\n", path.c_str(), d.c_str());
            if (differences.empty())
                std::printf("%s: as expected (%zu exports, %zu DLLs, %zu resources)\n", path.c_str(), pe.exports.size(),
                            pe.imported_dlls.size(), pe.resources.size());
            else
                ++failed;
        } catch (const pecheck::PeError& e) {
            std::fprintf(stderr, "pecheck: %s\n", e.what());
            ++failed;
        }
    }
    return failed == 0 ? 0 : 1;
}
