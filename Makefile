# The commands a newcomer needs; the README starts with them. The builds are
# the presets of CMakePresets.json: linux, checked (the core with clang and
# sanitizers) and windows (cross-compiled, tested under Wine).
BUILD := build/linux
CHECKED := build/fuzz
WINDOWS := build/windows
PACKAGES := build/packages
FUZZ_SECONDS ?= 300
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
# CI builds with warnings as errors: make test WERROR=ON (a build keeps the
# choice until WERROR=OFF is given).
WERROR ?=
CONFIGURE = $(if $(WERROR),-DKVIRLO_WERROR=$(WERROR)) >/dev/null

.PHONY: all deps linux checked windows test package check-reproducible fuzz run bench screenshots clean

all: linux windows

deps:
	@scripts/install-deps

linux: deps
	@cmake --preset linux -DKVIRLO_TESTS=ON $(CONFIGURE)
	@cmake --build --preset linux -j $(JOBS)

checked: deps
	@cmake --preset checked $(CONFIGURE)
	@cmake --build --preset checked -j $(JOBS)

windows: deps
	@cmake --preset windows $(CONFIGURE)
	@cmake --build --preset windows -j $(JOBS)

test: linux checked windows
	@ctest --preset linux -j $(JOBS)
	@echo "Sanitised core tests:"
	@timeout 600 $(CHECKED)/tests/kvirlo_core_tests --gtest_brief=1
	@scripts/fuzz $(CHECKED)/tests/kvirlo_startup_fuzz 20
	@echo "Tests of the Windows build, under Wine:"
	@ctest --preset windows

# The packages' dates and file times: the last commit's, unless given, so
# that the same sources make the same packages.
package check-reproducible: export SOURCE_DATE_EPOCH ?= $(shell git log -1 --format=%ct 2>/dev/null)

# The .deb, the Windows installer and the bare Windows program, in
# build/packages. The tests of each build make and try its packages too.
package: linux windows
	@cmake --build --preset linux --target deb
	@cmake --build --preset windows --target installer win64_zip
	@ls -l $(PACKAGES)

# Every package built twice in fresh build trees, compared byte for byte.
check-reproducible: deps
	@tests/packages/reproducible.sh

fuzz: checked
	@scripts/fuzz $(CHECKED)/tests/kvirlo_startup_fuzz $(FUZZ_SECONDS)

# Only what the program needs: no test suite, no cross-compiler, no Wine.
run:
	@scripts/install-deps run
	@cmake --preset linux -DKVIRLO_TESTS=OFF $(CONFIGURE)
	@cmake --build --preset linux -j $(JOBS) --target kvirlo kvirlo-sound
	@scripts/run-linux $(BUILD)/kvirlo

bench: linux windows
	@bench/linux.sh $(BUILD)
	@echo "The Windows program under Wine:"
	@bench/windows.sh $(WINDOWS)

# A picture of every window of both programs, in docs/, for the README.
screenshots: linux windows
	@tests/e2e/screenshots.sh linux $(BUILD)/kvirlo docs
	@tests/e2e/screenshots.sh windows $(WINDOWS)/kvirlo.exe docs

clean:
	rm -rf build
