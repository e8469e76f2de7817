# The two commands a newcomer needs: `make run` and `make test`.
BUILD ?= build
JOBS  ?= $(shell nproc)

# Checked builds, each in its own folder: the suite under AddressSanitizer and
# UndefinedBehaviorSanitizer, and the libFuzzer targets (clang).
SANITIZE_BUILD ?= build-sanitize
FUZZ_BUILD     ?= build-fuzz
FUZZ_TARGETS   := languagefile messageframe messages commandline
FUZZ_SECONDS   ?= 20
# The test folders `make test-sanitize` builds and runs (empty: everything).
SANITIZE_TESTS ?=
empty :=
space := $(empty) $(empty)

SANITIZE_ENV = ASAN_OPTIONS=detect_leaks=1:detect_stack_use_after_return=1:check_initialization_order=1:strict_init_order=1 \
               UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

.PHONY: all bootstrap configure build run test bench screenshot package clean
.PHONY: test-sanitize fuzz-bootstrap fuzz-build fuzz-smoke

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

test-sanitize: bootstrap
	@cmake -S . -B $(SANITIZE_BUILD) -DSLOPELAB_SANITIZE=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -g1" >/dev/null
	@cmake --build $(SANITIZE_BUILD) -j $(JOBS) \
	  $(if $(SANITIZE_TESTS),--target $(addprefix test_,$(SANITIZE_TESTS)))
	@cd $(SANITIZE_BUILD) && $(SANITIZE_ENV) QT_QPA_PLATFORM=offscreen \
	  ctest --output-on-failure -j $(JOBS) \
	  $(if $(SANITIZE_TESTS),-R '^($(subst $(space),|,$(strip $(SANITIZE_TESTS))))\.')

fuzz-bootstrap:
	@tools/bootstrap --fuzz

fuzz-build: fuzz-bootstrap
	@cmake -S . -B $(FUZZ_BUILD) -DSLOPELAB_FUZZ=ON -DCMAKE_CXX_COMPILER=clang++ \
	  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -g1" >/dev/null
	@cmake --build $(FUZZ_BUILD) -j $(JOBS) --target $(addprefix fuzz_,$(FUZZ_TARGETS))

# Each target runs FUZZ_SECONDS from its seed corpus in fuzz/corpus/<target>, JOBS of
# them at a time; what they learn goes to $(FUZZ_BUILD)/corpus/<target>, the input of a
# crash to $(FUZZ_BUILD)/crashes/, and each run's output to $(FUZZ_BUILD)/fuzz_<target>.log.
fuzz-smoke: fuzz-build
	@$(MAKE) --no-print-directory -j $(JOBS) $(addprefix fuzz-run-,$(FUZZ_TARGETS))

fuzz-run-%:
	@mkdir -p $(FUZZ_BUILD)/corpus/$* $(FUZZ_BUILD)/crashes
	@$(FUZZ_BUILD)/bin/fuzz_$* -max_total_time=$(FUZZ_SECONDS) -timeout=10 -print_final_stats=1 \
	  -artifact_prefix=$(FUZZ_BUILD)/crashes/$*- $(FUZZ_BUILD)/corpus/$* fuzz/corpus/$* \
	  2>$(FUZZ_BUILD)/fuzz_$*.log \
	  || { tail -n 60 $(FUZZ_BUILD)/fuzz_$*.log; echo "fuzz-smoke: fuzz_$* failed"; exit 1; }
	@echo "fuzz-smoke: fuzz_$* $$(grep -E '^Done' $(FUZZ_BUILD)/fuzz_$*.log)"

clean:
	@rm -rf $(BUILD) $(SANITIZE_BUILD) $(FUZZ_BUILD)
