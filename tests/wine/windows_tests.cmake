# Test programs of the Windows builds. GoogleTest comes from its sources
# (/usr/src/googletest), compiled by the cross compiler; every program links
# statically, so Wine needs no MinGW runtime DLL beside it. ctest starts
# each program through run.sh, in this build tree's own Wine prefix.
set(GAUGE_GOOGLETEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest sources for the Windows builds")
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(gtest_disable_pthreads ON CACHE BOOL "" FORCE)
add_subdirectory(${GAUGE_GOOGLETEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)

set(GAUGE_WINE_DIR ${CMAKE_BINARY_DIR}/wine CACHE PATH "Where the Windows test runs keep their Wine prefix")
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/run.sh ${GAUGE_WINE_DIR})

# Which test folders build for Windows: those whose tests use only the
# emulator's API, and the Wine-side tests of real Win32 behaviour.
set(GAUGE_WINDOWS_TEST_DIRS emulator readouts radio wine differential)

# add_windows_test(<target> [ENVIRONMENT <VAR=value>...] [ARGS <args>...] [NAME <test name>])
function(add_windows_test target)
  cmake_parse_arguments(ARG "" "NAME" "ENVIRONMENT;ARGS" ${ARGN})
  if(NOT ARG_NAME)
    set(ARG_NAME ${target})
    target_link_options(${target} PRIVATE -static)
  endif()
  add_test(NAME ${ARG_NAME} COMMAND ${target} ${ARG_ARGS})
  # One Wine program at a time: parallel starts in one prefix have hung.
  set_tests_properties(${ARG_NAME} PROPERTIES TIMEOUT 120 LABELS wine RUN_SERIAL TRUE)
  if(ARG_ENVIRONMENT)
    set_tests_properties(${ARG_NAME} PROPERTIES ENVIRONMENT "${ARG_ENVIRONMENT}")
  endif()
endfunction()
