# 32-bit Windows (PE32, i686): the modules we ship.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)
set(GAUGES_MINGW_PREFIX i686-w64-mingw32)
set(CMAKE_C_COMPILER ${GAUGES_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${GAUGES_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${GAUGES_MINGW_PREFIX}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${GAUGES_MINGW_PREFIX})
# Floating point in SSE2 registers: every double is computed and compared
# as a 64-bit value, as on the other builds, whatever precision the host
# leaves the x87 unit set to.
set(CMAKE_C_FLAGS_INIT "-msse2 -mfpmath=sse")
set(CMAKE_CXX_FLAGS_INIT "-msse2 -mfpmath=sse")
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
