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

bench: build
	@for b in $(BUILD)/bench/bench_*; do [ -x "$$b" ] && "$$b"; done

install: build
	cmake --install $(BUILD)

clean:
	rm -rf $(BUILD)

# Runs every fuzzer for FUZZ_SECONDS each (as long as wanted).
FUZZ_SECONDS ?= 300
.PHONY: fuzz
fuzz: setup
	bash scripts/fuzz.sh all . build-fuzz $(FUZZ_SECONDS)
