# The two entry points: `make run` (the simulator's main job) and `make test`.
PRESET ?= default
BUILD := build/$(PRESET)

.PHONY: deps run-deps configure build test run device sanitize coverage clean

deps:
	@scripts/install-deps.sh test

run-deps:
	@scripts/install-deps.sh run

configure: deps
	@cmake --preset $(PRESET) -DLV_TESTS=ON >/dev/null

build: configure
	@cmake --build --preset $(PRESET)

test: build device
	@ctest --preset $(PRESET)

# Only what the demo needs, not the tests and benchmarks, nor their packages: lvsim brings
# the library, the platform, the host and the renderer with it. A build folder that
# `make test` configured keeps its tests; a new one gets none. The video is at a pixel a
# point, which adds a little processor time (the figures are in bench/demo_story.cpp).
run: run-deps
	@cmake --preset $(PRESET) $(if $(wildcard $(BUILD)/CTestTestfile.cmake),,-DLV_TESTS=OFF) >/dev/null
	@cmake --build --preset $(PRESET) --target lvsim
	@$(BUILD)/tools/lvsim/lvsim demo --out out/demo --video out/demo/demo.mp4 --scale 1

# The library for the phone, the loader's filter and the packages, into build/device.
device: deps
	@cmake --preset device >/dev/null
	@cmake --build --preset device

sanitize:
	@$(MAKE) --no-print-directory test PRESET=sanitize

coverage: deps device
	@scripts/coverage.sh

clean:
	rm -rf build out
