# Two commands matter: `make test` (CI runs exactly this) and `make run`.
# Everything installs what it needs first (scripts/setup.sh), so a fresh Debian 12 machine is enough.

BUILD  ?= build
JOBS   ?= $(shell nproc)
# Per fuzz target in make test: twelve targets, about two and a half minutes in all.
FUZZ_SECONDS ?= 12

NATIVE := $(BUILD)/native
WIN64  := $(BUILD)/win64
FUZZ   := $(BUILD)/fuzz
BENCH  := $(BUILD)/bench

.PHONY: all setup native win64 fuzzers test test-native test-win64 test-fuzz run screenshots bench skins clean

all: native win64

setup:
	@sh scripts/setup.sh

native: setup
	cmake -S . -B $(NATIVE) -DCMAKE_BUILD_TYPE=Debug -DMV_SANITIZE=ON -DMV_WERROR=ON > /dev/null
	cmake --build $(NATIVE) -j $(JOBS)

win64: setup
	cmake -S . -B $(WIN64) --toolchain cmake/mingw-w64-x86_64.cmake -DCMAKE_BUILD_TYPE=Release -DMV_WERROR=ON > /dev/null
	cmake --build $(WIN64) -j $(JOBS)

fuzzers: setup
	CC=clang CXX=clang++ cmake -S . -B $(FUZZ) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DMV_FUZZ=ON -DMV_WERROR=ON > /dev/null
	cmake --build $(FUZZ) -j $(JOBS) --target fuzzers

test: native win64 fuzzers
	/usr/bin/python3 tools/skin/generate.py --verify
	scripts/run-tests native $(NATIVE)
	xvfb-run -a -s "-screen 0 1280x1024x24" scripts/run-tests win64 $(WIN64)
	scripts/run-fuzzers $(FUZZ) $(FUZZ_SECONDS)

test-native: native
	scripts/run-tests native $(NATIVE)

test-win64: win64
	xvfb-run -a -s "-screen 0 1280x1024x24" scripts/run-tests win64 $(WIN64)

test-fuzz: fuzzers
	scripts/run-fuzzers $(FUZZ) $(FUZZ_SECONDS)

run: win64
	scripts/run-program $(WIN64)/bin

screenshots: win64
	xvfb-run -a -s "-screen 0 1280x1024x24" scripts/screenshots $(WIN64)/bin $(BUILD)/screenshots

bench: setup
	cmake -S . -B $(BENCH) -DCMAKE_BUILD_TYPE=Release > /dev/null
	cmake --build $(BENCH) -j $(JOBS)
	@for b in $(BENCH)/bin/bench_*; do echo "== $$b"; $$b || exit 1; done

skins: setup
	/usr/bin/python3 tools/skin/generate.py

clean:
	rm -rf $(BUILD)
