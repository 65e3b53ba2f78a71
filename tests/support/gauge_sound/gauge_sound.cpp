// A stand-in for the outside sound library GaugeSound, for tests only. It
// plays nothing: each entry point, and the library's load and unload, add
// one line to the call log, the file that the environment variable
// GAUGE_SOUND_LOG names (nothing is written when it is unset). A file
// outlives the library's unloads and works the same across a Windows DLL
// boundary under Wine. Built twice: complete, and without TerminateSounds
// (GAUGE_SOUND_WITHOUT_TERMINATE).
#include <cstdio>

#if defined(_WIN32)
#include <windows.h>
// Exported by name through the build's .def file alone.
#define GAUGE_SOUND_API extern "C"
#define GAUGE_SOUND_CALL WINAPI
#else
#include <cstdlib>
#define GAUGE_SOUND_API extern "C" __attribute__((visibility("default")))
#define GAUGE_SOUND_CALL
#endif

namespace {

// Reads the variable from the process environment itself: a Windows DLL
// with its own runtime would not see a later change to the caller's copy.
bool log_path(char* out, unsigned size) {
#if defined(_WIN32)
    const DWORD n = GetEnvironmentVariableA("GAUGE_SOUND_LOG", out, size);
    return n > 0 && n < size;
#else
    const char* path = std::getenv("GAUGE_SOUND_LOG");
    return path != nullptr && std::snprintf(out, size, "%s", path) < static_cast<int>(size);
#endif
}

void log_line(const char* what) {
    char path[1024];
    if (!log_path(path, sizeof path)) return;
    if (std::FILE* f = std::fopen(path, "a")) {
        std::fprintf(f, "%s\n", what);
        std::fclose(f);
    }
}

}  // namespace

GAUGE_SOUND_API int GAUGE_SOUND_CALL GaugePlaySound(const char* sound) {
    (void)sound;
    log_line("GaugePlaySound");
    return 1;
}

GAUGE_SOUND_API int GAUGE_SOUND_CALL GaugeStopSound(const char* sound) {
    (void)sound;
    log_line("GaugeStopSound");
    return 1;
}

#if !defined(GAUGE_SOUND_WITHOUT_TERMINATE)
// No result: the module calls it as a plain entry point without arguments
// or result, and a call through a function type other than the one defined
// is undefined behaviour.
GAUGE_SOUND_API void GAUGE_SOUND_CALL TerminateSounds(void) { log_line("TerminateSounds"); }
#endif

#if defined(_WIN32)
extern "C" BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) log_line("load");
    if (reason == DLL_PROCESS_DETACH) log_line("unload");
    return TRUE;
}
#else
__attribute__((constructor)) static void on_load() { log_line("load"); }
__attribute__((destructor)) static void on_unload() { log_line("unload"); }
#endif
