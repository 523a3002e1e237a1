# The commands a newcomer needs; the README starts with them.
BUILD_CORE := build/core
JOBS := $(shell nproc 2>/dev/null || echo 2)

.PHONY: all deps test run core clean

all: core

deps:
	@scripts/install-deps

core: deps
	@cmake -S . -B $(BUILD_CORE) -G Ninja -DCMAKE_BUILD_TYPE=Debug >/dev/null
	@cmake --build $(BUILD_CORE) -j $(JOBS)

test: core
	@ctest --test-dir $(BUILD_CORE) --output-on-failure -j $(JOBS)

run:
	@echo "kvirlo: the desktop program is not built yet; only its core and tests exist (make test)." >&2
	@exit 1

clean:
	rm -rf build
