# The two entry points: `make run` (the simulator's main job) and `make test`.
PRESET ?= default
BUILD := build/$(PRESET)

.PHONY: deps configure build test run sanitize coverage clean

deps:
	@scripts/install-deps.sh

configure: deps
	@cmake --preset $(PRESET) >/dev/null

build: configure
	@cmake --build --preset $(PRESET)

test: build
	@ctest --preset $(PRESET)

run: build
	@$(BUILD)/tools/lvsim/lvsim demo --out out/demo

sanitize:
	@$(MAKE) --no-print-directory test PRESET=sanitize

coverage: deps
	@scripts/coverage.sh

clean:
	rm -rf build out
