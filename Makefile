# Gravmark: `make run` sets up, builds and starts the game; `make test` sets up, builds and runs every test.
BUILD ?= build
ASAN_BUILD ?= build-asan
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?=

.PHONY: all deps configure build run test asan-test bench review guide-pictures clean

all: build

deps:
	@bash scripts/install-deps.sh

configure: deps
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_FLAGS)

build: configure
	cmake --build $(BUILD) -j $(JOBS)

run: build
	cd $(BUILD) && ./gravmark

test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

# System libraries' own process-lifetime caches are not our leaks. The scripted play-throughs
# (label `play`) take minutes in this build and are left to `make test`.
asan-test: export LSAN_OPTIONS = suppressions=$(CURDIR)/scripts/lsan-suppressions.txt
asan-test: deps
	cmake -S . -B $(ASAN_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DGM_SANITIZE=ON -DGM_BUILD_BENCH=OFF $(CMAKE_FLAGS)
	cmake --build $(ASAN_BUILD) -j $(JOBS)
	cd $(ASAN_BUILD) && ctest --output-on-failure -j $(JOBS) -LE play

bench: build
	@for b in $(BUILD)/tests-bin/*_bench; do echo "== $$b"; $$b --benchmark_repetitions=5 --benchmark_report_aggregates_only=true; done
	@echo "== the real window at rest"; bash bench/window/idle_cpu.sh $(BUILD)

# Pictures of every screen and page in build/review/screens/, the play-throughs' (play_*) too.
review: build
	cd $(BUILD) && GM_BUILD_DIR=$(CURDIR)/$(BUILD) ./tests-bin/ui_tests --gtest_filter='ReviewScreens.*'
	cd $(BUILD) && GM_BUILD_DIR=$(CURDIR)/$(BUILD) ./tests-bin/play_tests

# The guide's pictures in help/pictures/ (committed) and its legend, from the screens and the
# archive this build draws.
guide-pictures: build
	bash scripts/guide-pictures.sh $(BUILD)

clean:
	rm -rf $(BUILD) $(ASAN_BUILD)
