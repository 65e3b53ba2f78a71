// A library that the loading tests keep out of every search path, so that
// a module needing it cannot be loaded (needs_absent.cpp).
#if defined(_WIN32)
#define ABSENT_EXPORT __declspec(dllexport)
#else
#define ABSENT_EXPORT __attribute__((visibility("default")))
#endif

extern "C" ABSENT_EXPORT int absent_function() { return 1; }
