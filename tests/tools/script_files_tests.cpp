// The example scripts in tests/tools/scripts, each run against the module
// and gauge its first line names ("# gauge: MODULE GAUGE"). A script with a
// "# fails: LINE: MESSAGE" line must stop at that line with that message;
// every other script must pass.
#include <gmock/gmock.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>

#include "support/host_fixture.h"
#include "tools/bench/errors.h"
#include "tools/bench/script_runner.h"

namespace {

namespace fs = std::filesystem;

struct ScriptFile {
    std::string path;
    std::string module, gauge;
    std::string failure;  // "path:LINE: MESSAGE", or empty for a script that passes
};

void PrintTo(const ScriptFile& f, std::ostream* out) { *out << f.path; }

ScriptFile read_header(const fs::path& path) {
    ScriptFile f{.path = path.string(), .module = {}, .gauge = {}, .failure = {}};
    std::ifstream in(path);
    std::string line;
    while (std::getline(in, line) && line.starts_with("#")) {
        if (line.starts_with("# gauge: ")) {
            const std::string rest = line.substr(9);
            const auto blank = rest.find(' ');
            f.module = rest.substr(0, blank);
            f.gauge = blank == std::string::npos ? "" : rest.substr(blank + 1);
        } else if (line.starts_with("# fails: ")) {
            f.failure = f.path + ":" + line.substr(9);
        }
    }
    return f;
}

std::vector<ScriptFile> script_files() {
    std::vector<ScriptFile> files;
    for (const auto& entry : fs::directory_iterator(BENCH_SCRIPTS_DIR))
        if (entry.path().extension() == ".bench") files.push_back(read_header(entry.path()));
    std::sort(files.begin(), files.end(), [](const ScriptFile& a, const ScriptFile& b) { return a.path < b.path; });
    return files;
}

class BenchScriptFile : public HostFixture, public ::testing::WithParamInterface<ScriptFile> {};

TEST_P(BenchScriptFile, PassesOrFailsWhereItSays) {
    const ScriptFile& f = GetParam();
    ASSERT_FALSE(f.module.empty() || f.gauge.empty()) << f.path << " names no \"# gauge: MODULE GAUGE\"";
    const bench::Script script = bench::read_script(f.path);
    emu::Gauge& gauge = host->install(load(f.module), f.gauge);
    bench::ScriptRunner runner(*host, gauge);
    if (f.failure.empty()) {
        EXPECT_NO_THROW(runner.run(script));
        return;
    }
    try {
        runner.run(script);
        ADD_FAILURE() << f.path << " passed, but should fail with: " << f.failure;
    } catch (const bench::Error& e) {
        EXPECT_EQ(e.what(), f.failure);
    }
}

INSTANTIATE_TEST_SUITE_P(Scripts, BenchScriptFile, ::testing::ValuesIn(script_files()),
                         [](const ::testing::TestParamInfo<ScriptFile>& param) {
                             std::string name = fs::path(param.param.path).stem().string();
                             std::replace_if(name.begin(), name.end(), [](char c) { return !std::isalnum(static_cast<unsigned char>(c)); }, '_');
                             return name;
                         });

}  // namespace
