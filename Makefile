# Quick start: `make run` runs the program, `make test` builds and runs every test.
.PHONY: all deps native test run clean

BUILD := build

all: native

deps:
	@scripts/install-deps

native: deps
	cmake -S . -B $(BUILD)/native -G Ninja -DCMAKE_BUILD_TYPE=Release
	cmake --build $(BUILD)/native

test: native
	ctest --test-dir $(BUILD)/native --output-on-failure

run: native
	$(BUILD)/native/src/tesserin-cli --lunar 1990 5 12

clean:
	rm -rf $(BUILD)
