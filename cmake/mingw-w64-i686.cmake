# Cross-compiles the 32-bit Windows build (i686) on Linux with mingw-w64, for 32-bit Windows 7
# and 10, where the x86-64 programs do not start:
#   cmake -S . -B build/win32 -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-i686.cmake
# CTest runs the programs through Wine in a 32-bit prefix (the tree's wine-arch file tells
# scripts/wine-env), where Wine runs 32-bit programs (scripts/test-win32).
set(CMAKE_SYSTEM_PROCESSOR i686)
set(TESSERIN_MINGW_TRIPLE i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
