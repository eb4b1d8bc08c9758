# Gravmark: `make run` sets up, builds and starts the game; `make test` sets up, builds and runs every test.
BUILD ?= build
ASAN_BUILD ?= build-asan
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?=

# Stamps of the set-up already done for a build folder, so that an unchanged set-up is not done
# again: the packages checked (the game's alone, or everything), the CMake flags, the configure,
# and the flags the folder was configured with (configured-flags).
SETUP = $(BUILD)/.setup
ASAN_SETUP = $(ASAN_BUILD)/.setup

# The names a list of flags sets (-DNAME=VALUE or -DNAME:TYPE=VALUE).
flag-names = $(foreach f,$(filter -D%,$(1)),$(firstword $(subst =, ,$(subst :, ,$(f:-D%=%)))))
# CMake keeps a cached value whose -D flag is gone, so a configure unsets each name that the flags
# the folder was last configured with (the file $(1)) set and CMAKE_FLAGS no longer does.
dropped-flags = $(addprefix -U,$(filter-out $(call flag-names,$(CMAKE_FLAGS)),$(call flag-names,$(file <$(1)))))

CONFIGURE = cmake -S . -B $(BUILD) -G Ninja $(call dropped-flags,$(SETUP)/configured-flags) \
	-DCMAKE_BUILD_TYPE=RelWithDebInfo

# A folder configured with its tests stays so: `make run` there keeps its packages and
# configuration whole, and still builds only the game.
RUN_SETUP := $(if $(shell grep -s 'GM_BUILD_TESTS:BOOL=ON' $(BUILD)/CMakeCache.txt),all,game)

.PHONY: all deps configure game build run test asan-test bench review guide-pictures clean FORCE

all: build

$(SETUP)/deps-game: scripts/install-deps.sh
	@mkdir -p $(@D)
	@bash scripts/install-deps.sh game
	@touch $@

# Everything includes the game's packages.
$(SETUP)/deps-all: scripts/install-deps.sh
	@mkdir -p $(@D)
	@bash scripts/install-deps.sh all
	@touch $@ $(SETUP)/deps-game

# The CMake flags of the last configure, rewritten only when they change: a change configures again.
# A folder configured before configured-flags was kept takes its flags from here.
$(SETUP)/cmake-flags: FORCE
	@mkdir -p $(@D)
	@echo '$(CMAKE_FLAGS)' | cmp -s - $@ || { test -e $(SETUP)/configured-flags || \
		! test -e $@ || cp $@ $(SETUP)/configured-flags; echo '$(CMAKE_FLAGS)' > $@; }

# The game alone: a new folder gets no tests and no benchmarks, which need packages of their own.
GAME_ONLY = -DGM_BUILD_TESTS=OFF -DGM_BUILD_BENCH=OFF
$(SETUP)/configured-game: $(SETUP)/deps-game $(SETUP)/cmake-flags
	$(CONFIGURE) $$(test -e $(BUILD)/CMakeCache.txt || echo $(GAME_ONLY)) $(CMAKE_FLAGS)
	@echo '$(CMAKE_FLAGS)' > $(SETUP)/configured-flags
	@touch $@

$(SETUP)/configured-all: $(SETUP)/deps-all $(SETUP)/cmake-flags
	$(CONFIGURE) -DGM_BUILD_TESTS=ON -DGM_BUILD_BENCH=ON $(CMAKE_FLAGS)
	@echo '$(CMAKE_FLAGS)' > $(SETUP)/configured-flags
	@touch $@

deps: $(SETUP)/deps-all

configure: $(SETUP)/configured-all

# The game and the data it reads, nothing else.
game: $(SETUP)/configured-$(RUN_SETUP)
	cmake --build $(BUILD) -j $(JOBS) --target gm_game

build: $(SETUP)/configured-all
	cmake --build $(BUILD) -j $(JOBS)

run: game
	cd $(BUILD) && ./gravmark

test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

# The sanitizer pass is built by clang, the other compiler of the install script: what `make test`
# builds with the default one (gcc), game, tools and tests, builds with both.
$(ASAN_SETUP)/configured-clang: $(SETUP)/deps-all $(SETUP)/cmake-flags
	cmake -S . -B $(ASAN_BUILD) -G Ninja $(call dropped-flags,$(ASAN_SETUP)/configured-flags) \
		-DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
		-DCMAKE_BUILD_TYPE=Debug -DGM_SANITIZE=ON -DGM_BUILD_BENCH=OFF $(CMAKE_FLAGS)
	@mkdir -p $(@D)
	@echo '$(CMAKE_FLAGS)' > $(ASAN_SETUP)/configured-flags
	@touch $@

# System libraries' own process-lifetime caches are not our leaks. The scripted play-throughs
# (label `play`) take minutes in this build and are left to `make test`.
asan-test: export LSAN_OPTIONS = suppressions=$(CURDIR)/scripts/lsan-suppressions.txt
asan-test: $(ASAN_SETUP)/configured-clang
	cmake --build $(ASAN_BUILD) -j $(JOBS)
	cd $(ASAN_BUILD) && ctest --output-on-failure -j $(JOBS) -LE play

# Every benchmark, the headless war, the real window at rest and during the computer's turns,
# then the table of the figures with their aims (bench/figures.txt); what they measured stays in
# $(BUILD)/bench-results.
bench: build
	@rm -rf $(BUILD)/bench-results && mkdir -p $(BUILD)/bench-results
	@for b in $(BUILD)/tests-bin/*_bench; do echo "== $$b"; $$b --benchmark_repetitions=5 --benchmark_report_aggregates_only=true --benchmark_out=$(BUILD)/bench-results/$$(basename $$b).json --benchmark_out_format=json; done
	@echo "== the headless war"; bash bench/sim_figures.sh $(BUILD)
	@echo "== the real window at rest"; bash bench/window/idle_cpu.sh $(BUILD) $(BUILD)/bench-results/figures.tsv
	@echo "== the real window during the computer's turns"; bash bench/window/computer_turn.sh $(BUILD) $(BUILD)/bench-results/figures.tsv
	@bash bench/figure_table.sh $(BUILD)

# Pictures of every screen and page in build/review/screens/ (gravmark-review), the
# play-throughs' (play_*) too: they write theirs only when GM_REVIEW_PICTURES asks them to.
review: build
	cd $(BUILD) && GM_BUILD_DIR=$(CURDIR)/$(BUILD) ./gravmark-review
	cd $(BUILD) && GM_BUILD_DIR=$(CURDIR)/$(BUILD) GM_REVIEW_PICTURES=1 ./tests-bin/play_tests

# The guide's pictures in help/pictures/ (committed) and its legend, from the screens and the
# archive this build draws.
guide-pictures: build
	bash scripts/guide-pictures.sh $(BUILD)

clean:
	rm -rf $(BUILD) $(ASAN_BUILD)
