# Cross-compiles the Windows build (x86-64) on Linux with mingw-w64:
#   cmake -S . -B build/win -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake
# CTest runs the resulting programs through Wine (see scripts/wine-xvfb-run).
# cmake/mingw-w64-i686.cmake sets the processor and triple for the 32-bit build, then includes
# this file.
set(CMAKE_SYSTEM_NAME Windows)
if(NOT DEFINED TESSERIN_MINGW_TRIPLE)
  set(CMAKE_SYSTEM_PROCESSOR x86_64)
  set(TESSERIN_MINGW_TRIPLE x86_64-w64-mingw32)
endif()

# The posix-thread compilers: the win32-thread ones of GCC 12 lack std::mutex, which
# GoogleTest needs.
set(CMAKE_C_COMPILER ${TESSERIN_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TESSERIN_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${TESSERIN_MINGW_TRIPLE}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${TESSERIN_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Fully static programs: with the posix compilers, -static-libgcc -static-libstdc++ alone
# still leaves an import of libwinpthread-1.dll, which Wine reports only as exit code 53.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")

# Runs the test programs (and try_run checks) on Linux. Without Wine the build still works;
# only CTest cannot run the tests.
find_program(TESSERIN_WINE NAMES wine)
if(TESSERIN_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${TESSERIN_WINE})
endif()
