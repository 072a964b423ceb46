# The sources of the program, listed once by folder: src/CMakeLists.txt builds them into the
# libraries and programs, and the fuzz build (fuzz/CMakeLists.txt) builds the core and the
# reader again with its own instrumentation. Files ending in _win.cpp use the Windows API.
set(TESSERIN_SRC ${CMAKE_CURRENT_LIST_DIR})

# The core: everything that builds without <windows.h>, code page 936 conversion aside, which
# has one implementation per platform (TESSERIN_GBK_POSIX, TESSERIN_GBK_WIN).
file(GLOB TESSERIN_CORE_SOURCES CONFIGURE_DEPENDS
  ${TESSERIN_SRC}/base/*.cpp ${TESSERIN_SRC}/cycle/*.cpp ${TESSERIN_SRC}/calendar/*.cpp
  ${TESSERIN_SRC}/tengod/*.cpp ${TESSERIN_SRC}/reading/*.cpp ${TESSERIN_SRC}/capture/*.cpp
  ${TESSERIN_SRC}/watcher/*.cpp ${TESSERIN_SRC}/form/*.cpp)
list(FILTER TESSERIN_CORE_SOURCES EXCLUDE REGEX "_(win|iconv)\\.cpp$")
set(TESSERIN_GBK_POSIX ${TESSERIN_SRC}/base/Gbk_iconv.cpp)
set(TESSERIN_GBK_WIN ${TESSERIN_SRC}/base/Gbk_win.cpp)

# The command-line reader without its entry point (cli/main.cpp, cli/Main_win.cpp).
file(GLOB TESSERIN_CLI_SOURCES CONFIGURE_DEPENDS ${TESSERIN_SRC}/cli/*.cpp)
list(FILTER TESSERIN_CLI_SOURCES EXCLUDE REGEX "/(main|Main_win)\\.cpp$")
set(TESSERIN_CLI_POSIX_SOURCES ${TESSERIN_CLI_SOURCES})
list(FILTER TESSERIN_CLI_POSIX_SOURCES EXCLUDE REGEX "_win\\.cpp$")

# The Windows side: window, watcher bindings, capture and DPI, everything but the entry point
# of tesserin.exe (ui/Main_win.cpp) and the conversion, which is core.
file(GLOB TESSERIN_WIN_SOURCES CONFIGURE_DEPENDS
  ${TESSERIN_SRC}/base/*_win.cpp ${TESSERIN_SRC}/capture/*_win.cpp ${TESSERIN_SRC}/watcher/*_win.cpp
  ${TESSERIN_SRC}/ui/*_win.cpp)
list(FILTER TESSERIN_WIN_SOURCES EXCLUDE REGEX "/(ui/Main_win|base/Gbk_win)\\.cpp$")
