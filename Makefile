# The two commands of the README are `make run` and `make test`; both install
# what is missing first, so they work on a fresh Debian 12 machine.
BUILD      ?= build
BUILD_ASAN ?= build-asan
BUILD_BENCH ?= build-bench
BUILD_FUZZ ?= build-fuzz
JOBS       ?= $(shell nproc)
FUZZ_SECONDS ?= 60

.PHONY: deps build programs app run test test-asan bench fuzz clean

deps:
	@scripts/install-deps

$(BUILD)/build.ninja:
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: deps $(BUILD)/build.ninja
	cmake --build $(BUILD) -j $(JOBS)

# The program, the command-line tool and the sheet editor, not the tests.
programs: deps $(BUILD)/build.ninja
	cmake --build $(BUILD) -j $(JOBS) --target calorix calorix-cli calorix-sheet

# Starts the window; without a display, says how and shows the command-line
# tool's calculations instead.
run: programs
	@scripts/run-app $(BUILD)

# Builds the program alone and starts its window.
app: deps $(BUILD)/build.ninja
	cmake --build $(BUILD) -j $(JOBS) --target calorix
	@scripts/run-app --window-only $(BUILD)

test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

$(BUILD_ASAN)/build.ninja:
	cmake -S . -B $(BUILD_ASAN) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCALORIX_SANITIZE=ON

test-asan: deps $(BUILD_ASAN)/build.ninja
	cmake --build $(BUILD_ASAN) -j $(JOBS)
	cd $(BUILD_ASAN) && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 ctest --output-on-failure -j $(JOBS)

$(BUILD_BENCH)/build.ninja:
	cmake -S . -B $(BUILD_BENCH) -G Ninja -DCMAKE_BUILD_TYPE=Release -DCALORIX_TESTS=OFF -DCALORIX_BENCH=ON

# Each program appends its "name ours reference ratio" lines (medians of
# BENCH_REPETITIONS runs) to bench-summary.txt.
BENCH_REPETITIONS ?= 3
bench: deps $(BUILD_BENCH)/build.ninja
	cmake --build $(BUILD_BENCH) -j $(JOBS)
	@rm -f $(BUILD_BENCH)/bench-summary.txt
	@for b in $(BUILD_BENCH)/bench/bench_*; do echo "== $$b"; \
	  CALORIX_BENCH_SUMMARY=$(BUILD_BENCH)/bench-summary.txt $$b --benchmark_min_time=0.1 \
	    --benchmark_repetitions=$(BENCH_REPETITIONS) --benchmark_report_aggregates_only=false || exit 1; done
	@for py in /usr/bin/python3 python3; do \
	  if $$py -c 'import iapws' 2>/dev/null; then echo "== python3-iapws, the same IF97 evaluations"; $$py bench/if97_python.py; break; fi; \
	done
	@echo "== $(BUILD_BENCH)/bench-summary.txt"; cat $(BUILD_BENCH)/bench-summary.txt

$(BUILD_FUZZ)/build.ninja:
	CC=clang CXX=clang++ cmake -S . -B $(BUILD_FUZZ) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCALORIX_TESTS=OFF -DCALORIX_FUZZ=ON

fuzz: deps $(BUILD_FUZZ)/build.ninja
	cmake --build $(BUILD_FUZZ) -j $(JOBS)
	@scripts/run-fuzzers $(BUILD_FUZZ) $(FUZZ_SECONDS)

clean:
	rm -rf $(BUILD) $(BUILD_ASAN) $(BUILD_BENCH) $(BUILD_FUZZ)
