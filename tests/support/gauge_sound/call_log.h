// The call log of the stand-in GaugeSound library: a fresh file for one
// test, named to the library through GAUGE_SOUND_LOG for as long as the
// log lives. Each line is one event: "load", "unload" or an entry point.
#pragma once

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#if defined(_WIN32)
#include <process.h>
#include <windows.h>
#else
#include <cstdlib>
#include <unistd.h>
#endif

class GaugeSoundLog {
public:
    GaugeSoundLog()
        : path_(std::filesystem::temp_directory_path() / ("gauge_sound_" + std::to_string(getpid()) + ".log")) {
        std::filesystem::remove(path_);
        set(path_.string().c_str());
    }
    ~GaugeSoundLog() {
        set(nullptr);
        std::error_code ignored;
        std::filesystem::remove(path_, ignored);
    }
    GaugeSoundLog(const GaugeSoundLog&) = delete;
    GaugeSoundLog& operator=(const GaugeSoundLog&) = delete;

    // Adds a line of the caller's, e.g. a call made outside the library, so
    // that it falls in order among the library's own.
    void note(const std::string& line) {
        std::ofstream(path_, std::ios::app) << line << '\n';
    }

    // The events since the last call.
    std::vector<std::string> take() {
        std::vector<std::string> lines;
        std::ifstream in(path_);
        for (std::string line; std::getline(in, line);) lines.push_back(line);
        in.close();
        std::filesystem::remove(path_);
        return lines;
    }

private:
    static void set(const char* value) {
#if defined(_WIN32)
        SetEnvironmentVariableA("GAUGE_SOUND_LOG", value);
#else
        if (value != nullptr) setenv("GAUGE_SOUND_LOG", value, 1);
        else unsetenv("GAUGE_SOUND_LOG");
#endif
    }

    std::filesystem::path path_;
};
