# Quick start: `make run` runs the program, `make test` builds and runs every test.
#
# make test   installs what is missing, then builds and tests four ways, each in its own tree:
#             build/native (Release), build/asan (Debug with AddressSanitizer and UBSan),
#             build/win (cross-compiled with mingw-w64, tests run under Wine on a virtual display)
#             and build/win32 (the 32-bit programs and their package; scripts/test-win32 runs
#             the end-to-end and the reader's tests where Wine runs 32-bit programs)
# make run    the Windows program under Wine (scripts/run-program)
# make dist   the release packages build/dist/tesserin-VERSION-win64.zip and -win32.zip, and
#             build/dist/SHA256SUMS for both
# make screenshots   the pictures of the user guide (docs/images), taken under Wine on Xvfb
# make walk   (not part of make test) a random walk of user actions on the window under Wine,
#             checked after every step: SEED=N (default 1) and STEPS=N (default 1000)
# make fuzz   (not part of make test) the libFuzzer targets with the sanitizers, built in
#             build/fuzz with clang, each run for FUZZ_SECONDS (60) by fuzz/run
.PHONY: all deps native asan win win32 test test-native test-asan test-win test-win32 run dist screenshots walk fuzz clean
# The stages run one after another, so that the output ends with the last CTest summary.
.NOTPARALLEL:

BUILD := build
JOBS := $(shell nproc)
FUZZ_SECONDS ?= 60
WIN_PROGRAM := $(BUILD)/win/src/ui/tesserin.exe

all: native

deps:
	@scripts/install-deps

native: deps
	cmake -S . -B $(BUILD)/native -G Ninja -DCMAKE_BUILD_TYPE=Release
	cmake --build $(BUILD)/native

asan: deps
	cmake -S . -B $(BUILD)/asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTESSERIN_SANITIZE=ON
	cmake --build $(BUILD)/asan

win: deps
	cmake -S . -B $(BUILD)/win -G Ninja -DCMAKE_BUILD_TYPE=Release \
	  -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake
	cmake --build $(BUILD)/win

win32: deps
	cmake -S . -B $(BUILD)/win32 -G Ninja -DCMAKE_BUILD_TYPE=Release \
	  -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-i686.cmake
	cmake --build $(BUILD)/win32 --target dist

# The 32-bit stage before the 64-bit one: the Windows suite's summary closes the output.
test: test-native test-asan test-win32 test-win

test-native: native
	ctest --test-dir $(BUILD)/native --output-on-failure --parallel $(JOBS) --timeout 600

test-asan: asan
	ASAN_OPTIONS=detect_leaks=1:abort_on_error=0 UBSAN_OPTIONS=print_stacktrace=1 \
	  ctest --test-dir $(BUILD)/asan --output-on-failure --parallel $(JOBS) --timeout 600

test-win32: win32
	scripts/test-win32 $(BUILD)/win32

# One test program at a time: the window tests share one display.
test-win: win
	scripts/wine-xvfb-run --tree $(BUILD)/win \
	  ctest --test-dir $(BUILD)/win --output-on-failure --timeout 600

run: deps
	cmake -S . -B $(BUILD)/win -G Ninja -DCMAKE_BUILD_TYPE=Release \
	  -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake
	cmake --build $(BUILD)/win --target $(patsubst $(BUILD)/win/%,%,$(WIN_PROGRAM))
	TESSERIN_WINE_TREE=$(BUILD)/win scripts/run-program $(WIN_PROGRAM)

dist: win win32
	rm -rf $(BUILD)/dist
	mkdir -p $(BUILD)/dist
	cp $(BUILD)/win/dist/*.zip $(BUILD)/win32/dist/*.zip $(BUILD)/dist/
	cd $(BUILD)/dist && sha256sum *.zip >SHA256SUMS
	@ls -l $(BUILD)/dist

# Builds only what the scenes need: the package, which shows the pictures, comes after them.
screenshots: deps
	cmake -S . -B $(BUILD)/win -G Ninja -DCMAKE_BUILD_TYPE=Release \
	  -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake
	cmake --build $(BUILD)/win --target tesserin profile_standin guide_shots
	scripts/wine-xvfb-run --tree $(BUILD)/win scripts/take-screenshots $(BUILD)/win docs/images

SEED ?= 1
STEPS ?= 1000
walk: win
	scripts/wine-xvfb-run --tree $(BUILD)/win wine $(BUILD)/win/tests/ui/user_walk.exe --seed $(SEED) --steps $(STEPS)

fuzz:
	@scripts/install-deps --fuzz
	FUZZ_SECONDS=$(FUZZ_SECONDS) FUZZ_TREE=$(BUILD)/fuzz fuzz/run

clean:
	rm -rf $(BUILD)
