# The two commands of the README: `make run` and `make test`. Each installs what is missing first.
BUILD := build
XVFB := xvfb-run -a -s "-screen 0 1024x768x24"
JOBS := $(shell nproc)

.PHONY: all deps build native win32 prefix run test clean

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

build: native win32

prefix: deps
	@$(XVFB) bash tools/wine-prefix.sh

run: win32 prefix
	@bash tools/run.sh

test: build prefix
	cd $(BUILD)/native && ctest --output-on-failure
	cd $(BUILD)/win32 && $(XVFB) ctest --output-on-failure -j 2

clean:
	rm -rf $(BUILD)
