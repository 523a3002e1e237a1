# The commands a newcomer needs; the README starts with them.
BUILD := build/linux
JOBS := $(shell nproc 2>/dev/null || echo 2)

.PHONY: all deps linux test run bench clean

all: linux

deps:
	@scripts/install-deps

linux: deps
	@cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
	@cmake --build $(BUILD) -j $(JOBS)

test: linux
	@ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)

run: linux
	@scripts/run-linux $(BUILD)/kvirlo

bench: linux
	@bench/linux.sh $(BUILD)

clean:
	rm -rf build
