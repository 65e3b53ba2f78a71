// The Win32 names module code calls. On Windows they are the real ones; on
// other platforms a small stand-in of ours with the same names and the
// behaviour the modules rely on (platform/standin/).
#pragma once

#if defined(_WIN32)
#include <windows.h>
#include <mmsystem.h>
#include <dsound.h>
#else
#include "platform/standin/win32_standin.h"
#endif
