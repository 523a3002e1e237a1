# The commands a newcomer needs; the README starts with them.
BUILD := build/linux
CHECKED := build/fuzz
WINDOWS := build/windows
FUZZ_SECONDS ?= 300
JOBS := $(shell nproc 2>/dev/null || echo 2)

.PHONY: all deps linux checked windows test fuzz run bench clean

all: linux windows

deps:
	@scripts/install-deps

linux: deps
	@cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
	@cmake --build $(BUILD) -j $(JOBS)

# The core once more with clang, AddressSanitizer and UBSan, and its fuzzer.
checked: deps
	@CXX=clang++ cmake -S . -B $(CHECKED) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DKVIRLO_SANITIZE=ON -DKVIRLO_FUZZ=ON -DKVIRLO_LINUX_PROGRAM=OFF >/dev/null
	@cmake --build $(CHECKED) -j $(JOBS)

# The Windows program (build/windows/kvirlo.exe) and its tests, cross-compiled
# with mingw-w64; the tests run under Wine.
windows: deps
	@cmake -S . -B $(WINDOWS) -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake \
	  -DCMAKE_BUILD_TYPE=Release >/dev/null
	@cmake --build $(WINDOWS) -j $(JOBS)

test: linux checked windows
	@ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)
	@echo "Sanitised core tests:"
	@$(CHECKED)/tests/kvirlo_core_tests --gtest_brief=1
	@scripts/fuzz $(CHECKED)/tests/kvirlo_startup_fuzz 20
	@echo "Tests of the Windows build, under Wine:"
	@WINEPREFIX=$(abspath $(WINDOWS))/wineprefix WINEDEBUG=-all \
	  ctest --test-dir $(WINDOWS) --output-on-failure

fuzz: checked
	@scripts/fuzz $(CHECKED)/tests/kvirlo_startup_fuzz $(FUZZ_SECONDS)

run: linux
	@scripts/run-linux $(BUILD)/kvirlo

bench: linux windows
	@bench/linux.sh $(BUILD)
	@echo "The Windows program under Wine:"
	@bench/windows.sh $(WINDOWS)

clean:
	rm -rf build
