# The two commands a newcomer needs: `make run` and `make test`.
BUILD ?= build
JOBS  ?= $(shell nproc)

.PHONY: all bootstrap configure build run test bench screenshot package clean

all: build

bootstrap:
	@tools/bootstrap

configure: bootstrap
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Release >/dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

run: build
	@if [ -z "$$DISPLAY$$WAYLAND_DISPLAY" ]; then \
	  echo "make run: no display found (DISPLAY and WAYLAND_DISPLAY are empty)."; \
	  echo "Start it under a desktop session, or render the windows to PNG files instead:"; \
	  echo "  $(BUILD)/bin/slopelab --screenshot out --seed 1 --page 4"; \
	  exit 1; \
	fi
	@$(BUILD)/bin/slopelab

test: build
	@cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

bench: build
	@QT_QPA_PLATFORM=offscreen $(BUILD)/bin/slopelab_bench

screenshot: build
	@$(BUILD)/bin/slopelab --screenshot screenshots --seed 1 --page 4

# A Debian package of the program in $(BUILD)/.
package: build
	@cd $(BUILD) && cpack -G DEB

clean:
	@rm -rf $(BUILD)
