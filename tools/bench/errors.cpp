#include "tools/bench/errors.h"

namespace bench {

Error line_error(const std::string& path, int line, const std::string& what) {
    return Error(path + ":" + std::to_string(line) + ": " + what);
}

Error load_error(const emu::Error& e) {
    const auto* wrong = dynamic_cast<const emu::WrongMachine*>(&e);
    if (wrong == nullptr) return Error(e.what());
    std::string bench;
    if (wrong->built_for == "i686")
        bench = "the 32-bit Windows bench, build/win32/tools/bench/gaugebench.exe";
    else if (wrong->built_for == "x86_64")
        bench = "the 64-bit Windows bench, build/win64/tools/bench/gaugebench.exe";
    else if (wrong->built_for.rfind("native", 0) == 0)
        bench = "the native bench of its machine, build/native/tools/bench/gaugebench";
    else
        return Error(e.what());
    return Error(std::string(e.what()) + "; load it with " + bench);
}

}  // namespace bench
