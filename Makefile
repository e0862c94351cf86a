# make run    installs what is needed, builds and starts Rotavue
# make test   installs what is needed, builds and runs every test headless
# make bench  builds and runs the benchmarks
# make tsan   builds the threaded tests with ThreadSanitizer and runs them
# make asan   builds everything with AddressSanitizer, LeakSanitizer and
#             UndefinedBehaviorSanitizer and runs the whole suite
# make soak   runs the main window's soak benchmark for SOAK_SECONDS (1800)
# make fuzz   builds the libFuzzer targets with clang and runs each for
#             FUZZ_SECONDS (default 60)

BUILD    ?= build
TSAN_BUILD ?= build-tsan
ASAN_BUILD ?= build-asan
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 60
SOAK_SECONDS ?= 1800
JOBS     ?= $(shell nproc)
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo

.PHONY: all deps configure build run test bench soak tsan asan fuzz clean

all: build

deps:
	bash scripts/install-deps.sh

configure: deps
	cmake -S . -B $(BUILD) $(CMAKE_FLAGS)

build: configure
	cmake --build $(BUILD) -j $(JOBS)

run: build
	$(BUILD)/src/rotavue

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

bench: build
	bash scripts/run-benchmarks.sh $(BUILD)

tsan: deps
	cmake -S . -B $(TSAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DROTAVUE_TSAN=ON -DROTAVUE_BUILD_BENCH=OFF
	cmake --build $(TSAN_BUILD) -j $(JOBS)
	cd $(TSAN_BUILD) && QT_QPA_PLATFORM=offscreen \
		TSAN_OPTIONS="halt_on_error=1 second_deadlock_stack=1 suppressions=$(CURDIR)/tests/tsan.supp" \
		ctest --output-on-failure -L threads

soak: build
	$(BUILD)/bench/ui/soak_mainwindow --soak_seconds=$(SOAK_SECONDS)

# Pictures asked for on purpose at huge sizes must fail as out of memory, not abort.
asan: deps
	cmake -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DROTAVUE_ASAN=ON -DROTAVUE_BUILD_BENCH=OFF
	cmake --build $(ASAN_BUILD) -j $(JOBS)
	cd $(ASAN_BUILD) && QT_QPA_PLATFORM=offscreen \
		ASAN_OPTIONS="allocator_may_return_null=1 detect_leaks=1 abort_on_error=1 strict_string_checks=1 detect_stack_use_after_return=1 suppressions=$(CURDIR)/tests/asan.supp" \
		LSAN_OPTIONS="suppressions=$(CURDIR)/tests/lsan.supp print_suppressions=0" \
		UBSAN_OPTIONS="halt_on_error=1 print_stacktrace=1 suppressions=$(CURDIR)/tests/ubsan.supp" \
		bash $(CURDIR)/scripts/run-asan-tests.sh . $(JOBS)

fuzz: deps
	CC=clang CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DROTAVUE_FUZZ=ON
	cmake --build $(FUZZ_BUILD) -j $(JOBS) --target fuzz_cardtoc fuzz_import fuzz_legacycard fuzz_project make_fuzz_seeds
	bash scripts/run-fuzzers.sh $(FUZZ_BUILD) $(FUZZ_SECONDS)

clean:
	rm -rf $(BUILD) $(TSAN_BUILD) $(ASAN_BUILD) $(FUZZ_BUILD)
