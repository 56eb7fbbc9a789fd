# The two everyday commands:
#   make run    install what is missing, build, start the program
#   make test   install what is missing, build, run every test
BUILD      ?= build
JOBS       ?= $(shell nproc)
CMAKE_ARGS ?=
FUZZ_SECONDS ?= 30

.PHONY: all deps configure build run test check-math sanitize bench fuzz screenshots deb \
        check-package artwork windows test-windows format clean

all: build

deps:
	@bash scripts/install-deps.sh

$(BUILD)/CMakeCache.txt:
	cmake -S . -B $(BUILD) $(CMAKE_ARGS)

configure: deps $(BUILD)/CMakeCache.txt

build: configure
	cmake --build $(BUILD) -j $(JOBS)

run: build
	@bash scripts/run-app.sh $(BUILD)

test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

# The correctly rounded sin, cos, tan, atan and asin against MPFR on MATH_COUNT random arguments
# each (`make test` runs a million).
MATH_COUNT ?= 100000000
check-math: configure
	cmake --build $(BUILD) -j $(JOBS) --target vexamo_cr_math_tests
	cd $(BUILD) && MATH_COUNT=$(MATH_COUNT) ctest --output-on-failure -j $(JOBS) -L math --timeout 86400

# Core libraries and their tests under AddressSanitizer and UndefinedBehaviorSanitizer.
sanitize: deps
	cmake -S . -B build-san -DCMAKE_BUILD_TYPE=Debug -DVEXAMO_SANITIZE=ON \
	    -DVEXAMO_BUILD_UI=OFF -DVEXAMO_BUILD_BENCH=OFF
	cmake --build build-san -j $(JOBS)
	cd build-san && ctest --output-on-failure -j $(JOBS)

bench: deps
	cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DVEXAMO_BUILD_UI=ON -DVEXAMO_BUILD_TESTS=OFF -DVEXAMO_BUILD_BENCH=ON
	cmake --build build-bench -j $(JOBS) --target vexamo_bench_astro vexamo_bench_records vexamo_bench_places \
	    vexamo_bench_cli vexamo_bench_diagram vexamo_bench_ui vexamo_bench_sheet
	@for b in build-bench/bench/*/vexamo_bench_*; do [ -x "$$b" ] && "$$b" || exit 1; done

fuzz: deps
	CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVEXAMO_FUZZ=ON \
	    -DVEXAMO_BUILD_UI=OFF -DVEXAMO_BUILD_TESTS=OFF -DVEXAMO_BUILD_BENCH=OFF
	cmake --build build-fuzz -j $(JOBS)
	bash scripts/run-fuzz.sh build-fuzz $(FUZZ_SECONDS)

# Renders the main window in both layouts to PNG files under out/screenshots (offscreen).
screenshots: build
	mkdir -p out/screenshots
	QT_QPA_PLATFORM=offscreen $(BUILD)/ui/vexamo-screenshots out/screenshots
	@echo "Written: out/screenshots/simple.png out/screenshots/extended.png"

# Debian package of the desktop program and the command-line tool (in the build dir; built with
# Debian's hardening flags, see packaging/hardening.cmake).
deb: build
	cmake --build $(BUILD) --target package

# The package through lintian, desktop-file-validate and appstreamcli; fails on any error or warning.
check-package: deb
	bash packaging/check-package.sh $(BUILD)/vexamo_1.0.0_$(shell dpkg --print-architecture).deb

# Regenerates the pictures in res/images and the desktop icons in res/icons from their generator.
artwork: build
	cmake --build $(BUILD) --target artwork-images

# The core, vexamo-cli.exe and their tests cross-built for 64-bit Windows with mingw-w64
# (build-windows); the tests run under Wine. The tables the programs read are made first by the
# build machine's tools in $(BUILD), which the cross build takes them from.
WINDOWS_BUILD ?= build-windows

# vexamo.exe's resource script is written by vexamo-rcgen of the Linux build ($(BUILD)).
$(WINDOWS_BUILD)/CMakeCache.txt:
	cmake -S . -B $(WINDOWS_BUILD) -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
	    -DCMAKE_BUILD_TYPE=Release -DVEXAMO_BUILD_UI=OFF -DVEXAMO_BUILD_BENCH=OFF \
	    -DVEXAMO_TABLES_FROM=$(abspath $(BUILD)) \
	    -DVEXAMO_HOST_RCGEN=$(abspath $(BUILD))/res/vexamo-rcgen $(CMAKE_ARGS)

windows: deps $(BUILD)/CMakeCache.txt $(WINDOWS_BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j $(JOBS) --target vexamo_place_tables vexamo_message_table vexamo-rcgen
	cmake --build $(WINDOWS_BUILD) -j $(JOBS)

test-windows: windows
	bash scripts/test-windows.sh $(WINDOWS_BUILD) $(JOBS)

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD) build-san build-bench build-fuzz $(WINDOWS_BUILD)
