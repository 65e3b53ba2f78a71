/* A small DLL shaped like a gauge module, built in variants that the
   artifact check must tell apart from a good module. */
#if defined(IMPORT_WINSOCK)
#include <winsock2.h>
#endif

struct record {
    unsigned id;
    void* pointer;
};

__declspec(dllexport) struct record ImportTable[2] = {{0x0F, 0}, {0, 0}};

#if defined(LINKAGE_IN_CODE)
__declspec(dllexport) unsigned Linkage(void) { return 0x13; }
#else
__declspec(dllexport) struct record Linkage = {0x13, 0};
#endif

#if defined(EXTRA_EXPORT)
__declspec(dllexport) int extra_entry(int x) { return x + 1; }
#endif

#if defined(IMPORT_WINSOCK)
int fixture_uses_winsock(void) { return WSAGetLastError(); }
#endif
