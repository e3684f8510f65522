# The two commands of the README: `make run` and `make test`. Each installs what is missing first.
BUILD := build
XVFB := xvfb-run -a -s "-screen 0 1024x768x24"
JOBS := $(shell nproc)

.PHONY: all deps build native win32 fuzz-build prefix run test e2e dist screenshot soak bench fuzz \
  tidy clean

all: build

deps:
	@bash tools/install-deps.sh

native: deps
	cmake -S . -B $(BUILD)/native -DCMAKE_BUILD_TYPE=Release >/dev/null
	cmake --build $(BUILD)/native -j $(JOBS)

win32: deps
	cmake -S . -B $(BUILD)/win32 -DCMAKE_BUILD_TYPE=MinSizeRel \
	  -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake >/dev/null
	cmake --build $(BUILD)/win32 -j $(JOBS)

# The fuzz targets: a clang build of their own, with libFuzzer and the sanitizers.
fuzz-build: deps
	cmake -S tests/fuzz -B $(BUILD)/fuzz -DCMAKE_BUILD_TYPE=Release \
	  -DCMAKE_CXX_COMPILER=clang++ >/dev/null
	cmake --build $(BUILD)/fuzz -j $(JOBS)

build: native win32 fuzz-build

prefix: deps
	@$(XVFB) bash tools/wine-prefix.sh

run: win32 prefix
	@bash tools/run.sh

test: build prefix
	cd $(BUILD)/native && ctest --output-on-failure
	cd $(BUILD)/fuzz && ctest --output-on-failure
	cd $(BUILD)/win32 && $(XVFB) ctest --output-on-failure -j 2 -LE e2e
	cd $(BUILD)/win32 && ctest --output-on-failure -j 2 -L e2e

# The end-to-end scenarios alone; each starts a display of its own.
e2e: win32 prefix
	cd $(BUILD)/win32 && ctest --output-on-failure -j 2 -L e2e

# The zip for Windows users: build/dist/zhongbaiwu-VERSION-win32.zip.
dist: win32
	cmake -S . -B $(BUILD)/win32 -DZBW_DIST_DIR=$(CURDIR)/$(BUILD)/dist >/dev/null
	cmake --build $(BUILD)/win32 --target dist

# The README's picture of the window, made as the end-to-end tests see it.
screenshot: win32 prefix
	@bash tools/screenshot.sh docs/screenshot.png

# The endurance rounds in their full counts (the test runs a short form); the figures each round
# left go to build/win32/soak.xml.
soak: win32 prefix
	cd $(BUILD)/win32 && ZBW_SOAK=1 GTEST_OUTPUT=xml:Z:$(CURDIR)/$(BUILD)/win32/soak.xml \
	  $(XVFB) ../../tools/wine-run.sh endurance_test.exe

# The figures of docs/PERFORMANCE.md: size, start-up, the cost of a tick, private memory.
bench: win32 prefix
	bash tools/bench.sh

# A longer fuzzing run than the test's: FUZZ_SECONDS per target.
FUZZ_SECONDS := 300
fuzz: fuzz-build
	$(BUILD)/fuzz/icon_file_fuzz -max_total_time=$(FUZZ_SECONDS) -timeout=10 -rss_limit_mb=1024 \
	  -print_final_stats=1 -artifact_prefix=$(BUILD)/fuzz/artifacts/ \
	  $(BUILD)/fuzz/corpus/icon_file tests/fuzz/corpus/icon_file

# clang-tidy's bug-prone and performance checks over the program's sources.
tidy: win32
	bash tools/tidy.sh

clean:
	rm -rf $(BUILD)
