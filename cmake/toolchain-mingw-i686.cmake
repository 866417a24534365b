# Cross-compiles for Windows i686 with MinGW-w64 (the posix thread model, as Debian ships it).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)

set(CMAKE_C_COMPILER i686-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER i686-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER i686-w64-mingw32-windres)

set(CMAKE_FIND_ROOT_PATH /usr/i686-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Only system DLLs at run time: the C++ runtime and winpthread are linked in.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")

# x87 registers keep 80-bit intermediates, which would move sums across the rounding
# tolerance and change last digits; SSE2 computes in true double precision.
set(CMAKE_CXX_FLAGS_INIT "-msse2 -mfpmath=sse")
