// The gaugebench command line, run as a process: help for the tool and each
// command, scripts that pass and fail with their line, and every kind of
// bad input: a one-line error naming the input, a non-zero exit, and no
// output file (whole or partial) left behind.
#include <gmock/gmock.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

namespace fs = std::filesystem;
using ::testing::HasSubstr;
using ::testing::StartsWith;

struct Outcome {
    int status = -1;
    std::string out, err;
};

std::string slurp(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

class BenchCommandLine : public ::testing::Test {
protected:
    void SetUp() override {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        scratch = fs::path(BENCH_SCRATCH_DIR) / "cli" / info->name();
        fs::remove_all(scratch);
        fs::create_directories(scratch);
    }

    Outcome bench(const std::string& arguments) {
        const fs::path out = scratch / "stdout", err = scratch / "stderr";
        const std::string command = std::string(GAUGEBENCH_PATH) + " " + arguments + " >" + out.string() + " 2>" + err.string();
        const int raw = std::system(command.c_str());
        Outcome o;
        o.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
        o.out = slurp(out);
        o.err = slurp(err);
        return o;
    }

    fs::path write(const std::string& name, const std::string& text) {
        const fs::path p = scratch / name;
        std::ofstream(p, std::ios::binary) << text;
        return p;
    }

    // Nothing but the files the test made itself and the captured output.
    std::vector<std::string> leftovers(const std::vector<std::string>& expected) {
        std::vector<std::string> found;
        for (const auto& entry : fs::directory_iterator(scratch)) {
            const std::string name = entry.path().filename().string();
            if (name != "stdout" && name != "stderr" && std::find(expected.begin(), expected.end(), name) == expected.end())
                found.push_back(name);
        }
        return found;
    }

    static std::string probe() { return std::string(GAUGE_TEST_MODULE_DIR) + "/probe.so"; }
    fs::path scratch;
};

TEST_F(BenchCommandLine, HelpDescribesTheToolAndEachCommand) {
    const Outcome top = bench("--help");
    EXPECT_EQ(top.status, 0);
    for (const char* command : {"list", "run", "render", "panel", "serve"}) {
        EXPECT_THAT(top.out, HasSubstr(std::string("  ") + command));
        const Outcome o = bench(std::string(command) + " --help");
        EXPECT_EQ(o.status, 0) << command;
        EXPECT_THAT(o.out, StartsWith(std::string("usage: gaugebench ") + command)) << command;
    }
    EXPECT_EQ(bench("").status, 2) << "no command is a usage error";
}

TEST_F(BenchCommandLine, ListShowsElementsAndWhatEachMouseAreaDoes) {
    const Outcome o = bench("list " + probe() + " probe_text probe_610");
    EXPECT_EQ(o.status, 0) << o.err;
    EXPECT_THAT(o.out, HasSubstr("gauge \"probe_text\": header 700, 50 mm across, 16 x 8 pixels"));
    EXPECT_THAT(o.out, HasSubstr("1. text, no bitmap, at (1, 1), image flags 0x6"));
    EXPECT_THAT(o.out, HasSubstr("box 14 x 6, 4 chars, font \"Courier New\""));
    EXPECT_THAT(o.out, HasSubstr("1. (0, 0, 4, 4), cursor hand (5), flags 0x20000000 (left click), sends event 0x10100, help 0x58 (88)"));
    EXPECT_THAT(o.out, HasSubstr("2. (4, 0, 4, 4), cursor up-arrow (1), flags 0x20200000 (left click, repeats while held), calls the gauge's handler"));
    EXPECT_THAT(o.out, HasSubstr("gauge \"probe_610\": header 610"));
    EXPECT_THAT(o.out, HasSubstr("icon: 2 frames, token 0x9003"));
    EXPECT_THAT(o.out, HasSubstr("sends event 0x10104")) << "a 610 gauge's mouse list, known once installed";
    EXPECT_THAT(o.out, ::testing::Not(HasSubstr("probe_800")));
}

TEST_F(BenchCommandLine, RunReportsAPassingScriptAndTheLineOfAFailingOne) {
    const fs::path good = write("good.bench", "set 0x9001 2\nframes 1\nexpect text 1 \"xx\"\nclick 1 1\nexpect events 0x10100\n");
    const Outcome pass = bench("run " + probe() + " probe_text " + good.string());
    EXPECT_EQ(pass.status, 0) << pass.err;
    EXPECT_THAT(pass.out, HasSubstr("good.bench: 5 steps passed"));

    const fs::path bad = write("bad.bench", "set 0x9001 2\nframes 1\n\n# the text has two characters\nexpect text 1 \"xxx\"\n");
    const Outcome fail = bench("run " + probe() + " probe_text " + bad.string());
    EXPECT_EQ(fail.status, 1);
    EXPECT_EQ(fail.err, "gaugebench: " + bad.string() + ":5: text of element 1: got \"xx\", expected \"xxx\"\n");

    const Outcome trace = bench("run --trace " + probe() + " probe_text " + good.string());
    EXPECT_THAT(trace.out, HasSubstr(":4: click 1 1\n      sent 0x10100=0x0\n"));
}

TEST_F(BenchCommandLine, RenderWritesAPngOfTheBackgroundSizeTimesTheScale) {
    const fs::path png = scratch / "probe.png";
    const Outcome o = bench("render " + probe() + " probe_610 --set 0x9003=1 --scale 3 -o " + png.string());
    EXPECT_EQ(o.status, 0) << o.err;
    const std::string bytes = slurp(png);
    ASSERT_GT(bytes.size(), 24u);
    EXPECT_EQ(bytes.substr(1, 3), "PNG");
    auto be32 = [&](std::size_t at) {
        return static_cast<unsigned>(static_cast<unsigned char>(bytes[at])) << 24 | static_cast<unsigned char>(bytes[at + 1]) << 16 |
               static_cast<unsigned char>(bytes[at + 2]) << 8 | static_cast<unsigned char>(bytes[at + 3]);
    };
    EXPECT_EQ(be32(16), 48u) << "width 16 x 3";
    EXPECT_EQ(be32(20), 24u) << "height 8 x 3";
    EXPECT_THAT(leftovers({"probe.png"}), ::testing::IsEmpty());
}

struct BadInput {
    const char* name;
    std::string arguments;  // $S is the scratch folder, $P the probe module
    std::string message;    // how the error line goes on after "gaugebench: "
};

std::string expand(std::string s, const std::string& scratch, const std::string& probe) {
    for (std::size_t at; (at = s.find("$S")) != std::string::npos;) s.replace(at, 2, scratch);
    for (std::size_t at; (at = s.find("$P")) != std::string::npos;) s.replace(at, 2, probe);
    return s;
}

TEST_F(BenchCommandLine, BadInputGetsOneLineNamingItANonZeroExitAndNoOutputFile) {
    write("not_a_module.so", "just text\n");
    std::string pe_header(0x80, '\0');  // MZ, then a PE header for i386 at 0x40
    pe_header.replace(0, 2, "MZ");
    pe_header[0x3C] = 0x40;
    pe_header.replace(0x40, 6, std::string("PE\0\0\x4C\x01", 6));
    write("win32.gau", pe_header);
    write("malformed.bench", "frames 1\nclick 3\n");
    write("failing.bench", "frames 1\nexpect text 1 \"nope\"\n");
    write("bad.cfg", "[Window00]\ngauge00=tarnwick Altitiude, 1, 2\n");
    write("one.cfg", "[Window00]\nsize_mm=10,10\n");
    write("views.cfg", "[Views]\nVIEW_FORWARD_WINDOWS=MAIN_PANEL\n");
    write("gauge.bench", "gauge 0 gauge07\n");
    const std::string render = "render $P probe_text -o $S/out.png ";
    const BadInput cases[] = {
        {"missing module", "list $S/missing.so", "$S/missing.so: no such file"},
        {"not a gauge module", "list $S/not_a_module.so", "$S/not_a_module.so: not an ELF file (no ELF header)"},
        {"32-bit Windows module", "list $S/win32.gau",
         "$S/win32.gau: a 32-bit Windows module, not a native one; load it with the 32-bit Windows bench, "
         "build/win32/tools/bench/gaugebench.exe"},
        {"library that is no gauge module", "list " + std::string(GAUGE_BINARY_DIR) + "/lib/libwin32_standin.so",
         std::string(GAUGE_BINARY_DIR) + "/lib/libwin32_standin.so: not a gauge module (it does not export Linkage and ImportTable)"},
        {"unknown gauge", "list $P probe_text Altimeter", "$P: no gauge named \"Altimeter\" (it has probe_text, probe_610, probe_800, probe_leaky)"},
        {"unknown gauge to render", "render $P Altimeter -o $S/out.png", "$P: no gauge named \"Altimeter\""},
        {"bad token", render + "--set 0xZZ=1", "render: --set \"0xZZ=1\": bad token \"0xZZ\""},
        {"bad value", render + "--set 0x9001=ten", "render: --set \"0x9001=ten\": bad value \"ten\""},
        {"set without value", render + "--set 0x9001", "render: --set \"0x9001\": expected TOKEN=VALUE"},
        {"bad scale", render + "--scale 0", "render: bad --scale \"0\" (a whole number from 1 to 16)"},
        {"unknown option", render + "--colour red", "render: unknown option --colour (see gaugebench render --help)"},
        {"no output", "render $P probe_text", "render: no output file (-o FILE.png)"},
        {"malformed script line", "run $P probe_text $S/malformed.bench", "$S/malformed.bench:2: click X Y: missing y"},
        {"malformed script for render", render + "--script $S/malformed.bench", "$S/malformed.bench:2: click X Y: missing y"},
        {"failing script for render", render + "--script $S/failing.bench",
         "$S/failing.bench:2: text of element 1: got \"\", expected \"nope\""},
        {"missing script", "run $P probe_text $S/none.bench", "$S/none.bench: cannot read the script"},
        {"output folder missing", "render $P probe_text -o $S/no/such/dir/out.png",
         "$S/no/such/dir/out.png: cannot write (No such file or directory)"},
        {"output is a folder", "render $P probe_text -o $S", "$S: cannot write (it is a folder)"},
        {"malformed panel line", "panel $S/bad.cfg -o $S/out.png", "$S/bad.cfg:2: gauge00: expected module!gauge, x, y[, width[, height]]"},
        {"missing panel", "panel $S/none.cfg -o $S/out.png", "$S/none.cfg: cannot read the panel configuration"},
        {"unknown window", "panel $S/one.cfg --window 5 -o $S/out.png", "$S/one.cfg: no window \"5\" (it has Window00)"},
        {"panel without windows", "panel $S/views.cfg -o $S/out.png", "$S/views.cfg: no [WindowNN] section to draw"},
        {"panel without output", "panel $S/one.cfg", "panel: no output file (-o FILE.png)"},
        {"panel script naming no gauge", "panel $S/one.cfg --script $S/gauge.bench -o $S/out.png",
         "$S/gauge.bench:1: $S/one.cfg: Window00 has no gauge line gauge07"},
        {"gauge step outside a panel", "run $P probe_text $S/gauge.bench",
         "$S/gauge.bench:1: gauge steps choose a gauge of a panel (gaugebench panel --script)"},
        {"serve on a bad port", "serve $S/one.cfg --port 70000", "serve: bad --port \"70000\" (a whole number from 0 to 65535)"},
        {"serve on a bad address", "serve $S/one.cfg --bind nowhere", "serve: bad address \"nowhere\""},
        {"too few arguments", "run $P probe_text", "run: too few arguments (usage: gaugebench run [--trace] MODULE GAUGE SCRIPT)"},
    };
    for (const BadInput& c : cases) {
        SCOPED_TRACE(c.name);
        const Outcome o = bench(expand(c.arguments, scratch.string(), probe()));
        EXPECT_EQ(o.status, 1);
        EXPECT_THAT(o.err, StartsWith("gaugebench: " + expand(c.message, scratch.string(), probe())));
        EXPECT_EQ(o.err.find('\n'), o.err.size() - 1) << "exactly one line: " << o.err;
        EXPECT_EQ(o.out, "") << "no half report";
        EXPECT_THAT(leftovers({"not_a_module.so", "win32.gau", "malformed.bench", "failing.bench", "bad.cfg", "one.cfg",
                               "views.cfg", "gauge.bench"}),
                    ::testing::IsEmpty());
    }
}

TEST_F(BenchCommandLine, PanelDrawsAWindowOfAnAircraftPanelWithGaugesWeDoNotHave) {
    const fs::path png = scratch / "trainer.png";
    write("tune.bench", "gauge 0 gauge01\nset 0x4A 3500\nframes 1\nexpect text 1 \" 3500\"\n");
    const Outcome o = bench("panel " + std::string(BENCH_PANELS_DIR) + "/trainer/panel.cfg --gauges " + GAUGE_MODULE_DIR + " --script " +
                            (scratch / "tune.bench").string() + " -o " + png.string());
    EXPECT_EQ(o.status, 0) << o.err;
    EXPECT_EQ(o.out, png.string() + ": Window00, 210 x 95 pixels, 5 gauges (1 placeholder)\n");
    EXPECT_THAT(o.err, HasSubstr("gaugebench: warning: "));
    EXPECT_THAT(o.err, HasSubstr("trainer/panel.cfg:17: gauge03 Cessna!Fuel_Selector: no module Cessna"));
    EXPECT_THAT(o.err, HasSubstr("gauge00 gps_500!gps_500")) << "every window's gauges are loaded, not only the one drawn";
    EXPECT_EQ(slurp(png).substr(1, 3), "PNG");
}

TEST_F(BenchCommandLine, AFailedRenderLeavesAnEarlierPictureAsItWas) {
    const fs::path png = write("kept.png", "an earlier picture");
    write("failing.bench", "frames 1\nexpect shown 7\n");
    const Outcome o = bench("render " + probe() + " probe_text --script " + (scratch / "failing.bench").string() + " -o " + png.string());
    EXPECT_EQ(o.status, 1);
    EXPECT_EQ(slurp(png), "an earlier picture");
    EXPECT_THAT(leftovers({"kept.png", "failing.bench"}), ::testing::IsEmpty());
}

}  // namespace
