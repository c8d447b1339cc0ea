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

WIN64_CONFIGURE = cmake -S . -B $(WIN64) --toolchain cmake/mingw-w64-x86_64.cmake -DCMAKE_BUILD_TYPE=Release -DMV_WERROR=ON

win64: setup
	$(WIN64_CONFIGURE) > /dev/null
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

# Builds only what it runs (no tests, no googletest), with the build's output in a log.
RUN_TARGETS = Morvane Quenlink simctl product_files
RUN_BUILD_LOG = $(BUILD)/run-build.log

run: setup
	@mkdir -p $(BUILD)
	@echo "run: building Morvane.exe, Quenlink.dll and simctl.exe in $(WIN64) (log: $(RUN_BUILD_LOG))"
	@{ $(WIN64_CONFIGURE) && cmake --build $(WIN64) -j $(JOBS) --target $(RUN_TARGETS); } > $(RUN_BUILD_LOG) 2>&1 || \
	  { echo "run: the build failed; the end of $(RUN_BUILD_LOG):" >&2; tail -n 30 $(RUN_BUILD_LOG) >&2; exit 1; }
	@scripts/run-program $(WIN64)/bin

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
