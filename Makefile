# Velmora: `make run` to play, `make test` to run every test headless.
BUILD_DIR ?= build
SANITIZE_DIR ?= build-sanitize
FUZZ_DIR ?= build-fuzz
FUZZ_SECONDS ?= 60
SOAK_PASSES ?= 1000000
JOBS ?= $(shell nproc)
PREFIX ?= /usr/local
# The recipes read these from the environment, so a prefix with spaces or quotes stays whole.
export PREFIX DESTDIR

.PHONY: all deps build run install uninstall test test-sanitize fuzz soak bench bench-floor figures screenshots format clean

all: build

# The package check runs once per build folder, and again when the list of packages changes;
# remove the stamp to check again.
DEPS_STAMP = $(BUILD_DIR)/.deps-installed

deps: $(DEPS_STAMP)

$(DEPS_STAMP): scripts/install-deps.sh
	@bash scripts/install-deps.sh
	@mkdir -p $(BUILD_DIR) && touch $@

$(BUILD_DIR)/CMakeCache.txt: | deps
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo

# WERROR=ON (or OFF) sets whether warnings stop the build, from then on; CI turns it on.
build: deps $(BUILD_DIR)/CMakeCache.txt
	$(if $(WERROR),cmake -S . -B $(BUILD_DIR) -DVELMORA_WERROR=$(WERROR) >/dev/null)
	cmake --build $(BUILD_DIR) -j $(JOBS)

# The game plays with the art and sounds just built, even when an install exists.
run: build
	cd $(BUILD_DIR)/assets && VELMORA_DATA_DIR=. ../velmora

# The game, its art and sounds, a desktop entry and the icon under PREFIX (no root needed
# when PREFIX is writable); DESTDIR stages the files for a package. Only what is installed
# is built: the game and the asset generator, which then makes the art and sounds.
install: deps $(BUILD_DIR)/CMakeCache.txt
	cmake -S . -B $(BUILD_DIR) -DCMAKE_INSTALL_PREFIX="$$PREFIX"
	cmake --build $(BUILD_DIR) -j $(JOBS) --target velmora assets
	bash scripts/install.sh $(BUILD_DIR)

# Takes away what the last install from this build placed, and the folders it made.
uninstall:
	bash scripts/uninstall.sh $(BUILD_DIR)

test: build
	cd $(BUILD_DIR) && ctest --output-on-failure -j $(JOBS)

test-sanitize: deps
	cmake -S . -B $(SANITIZE_DIR) -DCMAKE_BUILD_TYPE=Debug -DVELMORA_SANITIZE=ON
	cmake --build $(SANITIZE_DIR) -j $(JOBS)
	cd $(SANITIZE_DIR) && ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1 \
		ctest --output-on-failure -j $(JOBS)

# The settings, saved-game and input-track readers under libFuzzer, FUZZ_SECONDS each.
fuzz: deps
	bash scripts/fuzz.sh $(FUZZ_DIR) $(FUZZ_SECONDS)

# A long run of play under the replay tool with memory, open files and surfaces sampled.
soak: build
	python3 scripts/soak.py $(BUILD_DIR) $(SOAK_PASSES)

bench: build
	$(BUILD_DIR)/bench/velmoraBench

# The floor (one opaque blit and the present) and the drawing of levels 1, 7, 8, 14 and 17 as
# multiples of it, measured in one run; BENCH_ROUNDS runs of each, the median shown.
BENCH_ROUNDS ?= 3
bench-floor: build
	python3 scripts/benchFloor.py $(BUILD_DIR) $(BENCH_ROUNDS)

# The whole journey under the replay tool's timedemo: the per-level table in docs/performance.md.
figures: build
	python3 tests/journey/figures.py $(BUILD_DIR)/tools/replay/velmora-replay $(BUILD_DIR)/assets docs/performance.md

# Pictures from the whole journey into docs/, shown in README.
screenshots: build
	python3 tests/journey/screenshots.py $(BUILD_DIR)/tools/replay/velmora-replay $(BUILD_DIR)/assets docs

format:
	find src tools tests bench fuzz -name '*.cpp' -o -name '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD_DIR) $(SANITIZE_DIR) $(FUZZ_DIR)
