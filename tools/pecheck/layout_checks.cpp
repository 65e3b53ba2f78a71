// Compiles the host contract's layout checks (static assertions on the
// 32-bit record layout) in the i686 build.
#include "host/layout_checks.h"

#if !defined(__i386__) && !defined(_M_IX86)
#error "the layout checks are meant for the 32-bit build"
#endif
