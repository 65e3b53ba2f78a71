// The frame every module shares: the import table the host fills, the
// empty module routines and the library entry point.
#include "host/gauge.h"
#include "platform/win32.h"

IMPORT_TABLE ImportTable = {
    .panels = {.id = IMPORT_ID_PANELS, .services = nullptr},
    .end = {.id = 0, .services = nullptr},
};

void HOSTAPI module_init(void) {}

void HOSTAPI module_deinit(void) {}

// Accepts every load reason and does nothing else.
extern "C" BOOL WINAPI DllMain(HINSTANCE, DWORD, LPVOID) { return TRUE; }
