# Velmora: `make run` to play, `make test` to run every test headless.
BUILD_DIR ?= build
SANITIZE_DIR ?= build-sanitize
FUZZ_DIR ?= build-fuzz
WEB_DIR ?= build-web
WINDOWS_DIR ?= build-windows
WEB_PORT ?= 8080
FUZZ_SECONDS ?= 60
SOAK_PASSES ?= 1000000
JOBS ?= $(shell nproc)
PREFIX ?= /usr/local
# The recipes read these from the environment, so a prefix with spaces or apostrophes stays
# whole (install.sh refuses the characters CMake cannot keep).
export PREFIX DESTDIR

.PHONY: all deps build run install uninstall test test-sanitize fuzz soak bench bench-floor figures \
	screenshots format clean web-deps web serve-web test-web windows-deps windows windows-package \
	test-windows

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
# Each install is recorded in BUILD_DIR/installs/, one record per DESTDIR and PREFIX.
install: deps $(BUILD_DIR)/CMakeCache.txt
	bash scripts/install.sh --check "$$PREFIX"
	cmake -S . -B $(BUILD_DIR) -DCMAKE_INSTALL_PREFIX="$$PREFIX"
	cmake --build $(BUILD_DIR) -j $(JOBS) --target velmora assets
	bash scripts/install.sh $(BUILD_DIR) --prefix "$$PREFIX"

# Takes away one install from this build, named by PREFIX and DESTDIR as given to make
# install: the files still as they were placed, and the folders it made. PREFIX may be left
# out when this build installed to one prefix only; with several, they are listed instead.
uninstall:
	bash scripts/uninstall.sh $(BUILD_DIR) $(if $(filter file,$(origin PREFIX)),,--prefix "$$PREFIX")

# The same files as a Debian package for /usr: BUILD_DIR/velmora_<version>_<arch>.deb.
.PHONY: package
package: deps $(BUILD_DIR)/CMakeCache.txt
	cmake -S . -B $(BUILD_DIR) -DCMAKE_INSTALL_PREFIX=/usr
	cmake --build $(BUILD_DIR) -j $(JOBS) --target velmora assets
	cd $(BUILD_DIR) && cpack -G DEB

test: build
	cd $(BUILD_DIR) && ctest --output-on-failure -j $(JOBS)

# What the sanitizers look into: the unit, replay, golden, demo and journey tests. The
# end-to-end tests try the real window, X server and package, and run in `make test`; so does
# the second run of the asset generator (the build's own run is the one the sanitizers watch).
test-sanitize: deps
	cmake -S . -B $(SANITIZE_DIR) -DCMAKE_BUILD_TYPE=Debug -DVELMORA_SANITIZE=ON
	cmake --build $(SANITIZE_DIR) -j $(JOBS)
	cd $(SANITIZE_DIR) && ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1 \
		ctest --output-on-failure -j $(JOBS) -E '^e2e\.|^AssetGenerator\.'


# The settings, saved-game, options and input-track readers under libFuzzer, FUZZ_SECONDS each;
# the harnesses are built by CMake (VELMORA_FUZZ) with clang.
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

# The sound as the player hears it: the shipped demos played by the real game through SDL's
# disk audio driver, the mix taken apart channel by channel (docs/sound.md). Debian's own
# python, which has Debian's numpy.
.PHONY: sound-report
sound-report: build
	/usr/bin/python3 scripts/soundReport.py $(BUILD_DIR) $(BUILD_DIR)/sound-report

# Pictures from the whole journey into docs/, shown in README.
screenshots: build
	python3 tests/journey/screenshots.py $(BUILD_DIR)/tools/replay/velmora-replay $(BUILD_DIR)/assets docs

# The game as a web page in $(WEB_DIR)/ (docs/web.md): Emscripten builds it, with zlib and
# libpng built from Debian's sources, after the native build has generated the art and sounds.
WEB_DEPS_STAMP = $(WEB_DIR)/.deps-installed

web-deps: $(WEB_DEPS_STAMP)

$(WEB_DEPS_STAMP): scripts/install-web-deps.sh tests/web/package-lock.json
	@bash scripts/install-web-deps.sh
	@mkdir -p $(WEB_DIR) && touch $@

# Debian's Emscripten runs its JavaScript tools with Debian's node modules (acorn), which a
# node from elsewhere does not look for by itself.
web: export NODE_PATH := /usr/share/nodejs$(if $(NODE_PATH),:$(NODE_PATH))
web: web-deps deps $(BUILD_DIR)/CMakeCache.txt
	cmake --build $(BUILD_DIR) -j $(JOBS) --target assets
	bash scripts/web-libs.sh $(WEB_DIR)/libs
	bash scripts/web-data.sh $(BUILD_DIR)/assets $(WEB_DIR)/data $(BUILD_DIR)/tools/assetgen/velmora-assetgen
	emcmake cmake -S . -B $(WEB_DIR)/cmake -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_FLAGS_RELEASE="-O2 -DNDEBUG" \
		-DVELMORA_WEB_LIBS=$(abspath $(WEB_DIR))/libs/prefix -DVELMORA_WEB_DATA=$(abspath $(WEB_DIR))/data >/dev/null
	cmake --build $(WEB_DIR)/cmake -j $(JOBS) --target velmora
	cp $(WEB_DIR)/cmake/web/index.html $(WEB_DIR)/cmake/web/index.js $(WEB_DIR)/cmake/web/index.wasm \
		$(WEB_DIR)/cmake/web/index.data web/touchControls.js web/touchControls.css web/gamepad.js $(WEB_DIR)/
	bash web/offlinePage.sh $(WEB_DIR) $(BUILD_DIR)/assets/art/icon256.png $(BUILD_DIR)/tools/assetgen/velmora-assetgen

# For a player on this machine: open http://127.0.0.1:$(WEB_PORT)/ in a browser.
serve-web: web
	@echo "Velmora is at http://127.0.0.1:$(WEB_PORT)/ (Ctrl+C stops the server)"
	cd $(WEB_DIR) && python3 -m http.server $(WEB_PORT) --bind 127.0.0.1

# Plays the page in headless Chromium: the title against the replay tool's, a new game into
# level 1 with real keys, the save kept across a reload, the passes a second and the pad; then
# on a phone with its touch controls, offline, a new build, and the download's size.
test-web: web
	cmake --build $(BUILD_DIR) -j $(JOBS) --target velmora-replay
	node tests/web/playPage.mjs $(WEB_DIR) $(BUILD_DIR)/tools/replay/velmora-replay $(BUILD_DIR)/assets
	node tests/web/phonePage.mjs $(WEB_DIR) $(BUILD_DIR)/assets

# The game for 64-bit Windows in $(WINDOWS_DIR)/ (docs/windows.md): velmora.exe, the DLLs it
# needs, the art and sounds and a README.txt. MinGW-w64 builds it, with SDL, SDL_image,
# SDL_mixer, libpng and zlib built from Debian's sources, after the native build has generated
# the art and sounds.
WINDOWS_DEPS_STAMP = $(WINDOWS_DIR)/.deps-installed

windows-deps: $(WINDOWS_DEPS_STAMP)

$(WINDOWS_DEPS_STAMP): scripts/install-windows-deps.sh
	@bash scripts/install-windows-deps.sh
	@mkdir -p $(WINDOWS_DIR) && touch $@

windows: windows-deps deps $(BUILD_DIR)/CMakeCache.txt
	cmake --build $(BUILD_DIR) -j $(JOBS) --target assets
	bash scripts/windows-libs.sh $(WINDOWS_DIR)/libs
	python3 packaging/windows/icon.py $(WINDOWS_DIR)/velmora.ico $(BUILD_DIR)/assets/art/icon.png \
		$(BUILD_DIR)/assets/art/icon256.png
	cmake -S . -B $(WINDOWS_DIR)/cmake -DCMAKE_TOOLCHAIN_FILE=packaging/windows/toolchain.cmake \
		-DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_FLAGS_RELEASE="-O2 -DNDEBUG" \
		-DVELMORA_WINDOWS_LIBS=$(abspath $(WINDOWS_DIR))/libs/prefix \
		-DVELMORA_WINDOWS_ICON=$(abspath $(WINDOWS_DIR))/velmora.ico \
		$(if $(WERROR),-DVELMORA_WERROR=$(WERROR)) >/dev/null
	cmake --build $(WINDOWS_DIR)/cmake -j $(JOBS) --target velmora
	bash packaging/windows/gameFolder.sh $(WINDOWS_DIR) $(BUILD_DIR)/assets

# $(WINDOWS_DIR)/velmora-<version>-win64.zip and the installer velmora-<version>-setup.exe.
windows-package: windows
	bash packaging/windows/package.sh $(WINDOWS_DIR)

# The Windows game under Wine: the command line, both shipped demos against the replay tool,
# saves, the real window under Xvfb with a key from xdotool, and the installer.
test-windows: windows-package
	cmake --build $(BUILD_DIR) -j $(JOBS) --target velmora-replay
	python3 tests/windows/underWine.py $(WINDOWS_DIR) $(BUILD_DIR)

format:
	find src tools tests bench fuzz -name '*.cpp' -o -name '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD_DIR) $(SANITIZE_DIR) $(FUZZ_DIR) $(WEB_DIR) $(WINDOWS_DIR)
