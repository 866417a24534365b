# Runs the Windows x86_64 test programs under 64-bit Wine (tools/wine-run says how).
#
# Sets ORVANE_RUNS_WINDOWS_TESTS, and when it is true:
#   ORVANE_WINE_RUN   the build directory's wine-run: CTest's emulator for the test programs,
#                     and the command for Unix-side session tests (`${ORVANE_WINE_RUN} --unix ...`)
#   the CTest fixture `wine_session`: a test of the session must require it (FIXTURES_REQUIRED),
#                     so that the session is up before it and ended after the last one.
# No 32-bit Wine can run here, so the i686 build compiles its test programs but runs none.

option(ORVANE_WINE_TESTS "Run the Windows x86_64 test programs under Wine" ON)
set(ORVANE_WINE_DESKTOP "1024x768" CACHE STRING
    "Size of the virtual desktop the Wine tests show their windows on, or off")

set(ORVANE_RUNS_WINDOWS_TESTS OFF)
if(NOT CMAKE_CROSSCOMPILING OR NOT ORVANE_WINE_TESTS)
    return()
endif()
if(NOT CMAKE_SYSTEM_PROCESSOR STREQUAL "x86_64")
    message(STATUS "Windows ${CMAKE_SYSTEM_PROCESSOR}: test programs are built, not run (no 32-bit Wine)")
    return()
endif()
if(NOT EXISTS /usr/lib/wine/wine64)
    message(FATAL_ERROR "64-bit Wine (/usr/lib/wine/wine64) is missing: run scripts/install-deps, "
                        "or configure with -DORVANE_WINE_TESTS=OFF")
endif()

set(ORVANE_RUNS_WINDOWS_TESTS ON)
set(ORVANE_WINE_RUN "${CMAKE_BINARY_DIR}/wine-run")

# A shim that ties the wrapper to this build directory's session.
file(CONFIGURE OUTPUT "${ORVANE_WINE_RUN}.in" CONTENT [[#!/bin/sh
# Runs a Windows program (or with --unix a Unix command) in this build directory's Wine session.
ORVANE_WINE_STATE='@CMAKE_BINARY_DIR@/wine' ORVANE_WINE_DESKTOP='@ORVANE_WINE_DESKTOP@' \
    exec '@PROJECT_SOURCE_DIR@/tools/wine-run' "$@"
]] @ONLY)
file(COPY_FILE "${ORVANE_WINE_RUN}.in" "${ORVANE_WINE_RUN}" ONLY_IF_DIFFERENT)
file(CHMOD "${ORVANE_WINE_RUN}" PERMISSIONS
     OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

# Targets made from here on take it as their emulator: add_test(COMMAND target) and
# gtest_discover_tests run them through it.
set(CMAKE_CROSSCOMPILING_EMULATOR "${ORVANE_WINE_RUN}")

add_test(NAME wine_session_start COMMAND "${ORVANE_WINE_RUN}" --start)
add_test(NAME wine_session_stop COMMAND "${ORVANE_WINE_RUN}" --stop)
set_tests_properties(wine_session_start PROPERTIES FIXTURES_SETUP wine_session TIMEOUT 300)
set_tests_properties(wine_session_stop PROPERTIES FIXTURES_CLEANUP wine_session TIMEOUT 60)
