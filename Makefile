# make run    installs what is needed, builds and starts Rotavue
# make test   installs what is needed, builds and runs every test headless
# make bench  builds and runs the benchmarks
# make tsan   builds the threaded tests with ThreadSanitizer and runs them

BUILD    ?= build
TSAN_BUILD ?= build-tsan
JOBS     ?= $(shell nproc)
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo

.PHONY: all deps configure build run test bench tsan clean

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

clean:
	rm -rf $(BUILD) $(TSAN_BUILD)
