# Two commands matter: `make run` and `make test`. Both install what is
# missing first, then build.
BUILD ?= build
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?=

.PHONY: all setup configure build run test bench install clean

all: build

setup:
	@bash scripts/setup.sh

$(BUILD)/build.ninja:
	cmake -S . -B $(BUILD) -G Ninja $(CMAKE_FLAGS)

configure: setup $(BUILD)/build.ninja

build: configure
	cmake --build $(BUILD) -j $(JOBS)

run: build
	@bash scripts/run.sh $(BUILD)

test: build
	ctest --test-dir $(BUILD) -j $(JOBS) --output-on-failure
	$(MAKE) --no-print-directory test-sanitize

# The whole suite again, built with AddressSanitizer and UndefinedBehaviorSanitizer:
# halt on the first report, leak checking on (the fuzzers run in their own
# sanitizer build already).
SAN_BUILD ?= $(BUILD)-sanitize
export ASAN_OPTIONS ?= halt_on_error=1:detect_leaks=1:abort_on_error=1:detect_stack_use_after_return=1
export UBSAN_OPTIONS ?= halt_on_error=1:print_stacktrace=1
export LSAN_OPTIONS ?= suppressions=$(CURDIR)/tests/sanitizer/lsan.supp:print_suppressions=0
.PHONY: test-sanitize
test-sanitize: setup
	@[ -f $(SAN_BUILD)/build.ninja ] || cmake -S . -B $(SAN_BUILD) -G Ninja -DTABLEWISE_SANITIZE=ON -DTABLEWISE_BENCH=OFF -DCMAKE_BUILD_TYPE=Debug
	cmake --build $(SAN_BUILD) -j $(JOBS)
	ctest --test-dir $(SAN_BUILD) -j $(JOBS) --output-on-failure -LE fuzz

bench: build
	@for b in $(BUILD)/bench/bench_*; do [ -x "$$b" ] && "$$b"; done

install: build
	cmake --install $(BUILD)

clean:
	rm -rf $(BUILD)

# Runs every fuzzer for FUZZ_SECONDS each (as long as wanted), or, given
# FUZZ_RUNS=N, for N inputs each however long that takes; a table of the
# figures of every run ends it.
FUZZ_SECONDS ?= 300
FUZZ_RUNS ?=
.PHONY: fuzz
fuzz: setup
	FUZZ_RUNS=$(FUZZ_RUNS) bash scripts/fuzz.sh all . build-fuzz $(if $(FUZZ_RUNS),0,$(FUZZ_SECONDS))
