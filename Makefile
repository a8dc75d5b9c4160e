# The two entry points: `make run` and `make test`. Both install what is missing first.
BUILD ?= build
ASAN_BUILD ?= build-asan
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?=

PROOF_BUILD ?= build-bench
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 60
FUZZ_TARGETS ?=
SOAK_FRAMES ?= 120000
SOAK_MINUTES ?= 30

PREFIX ?= /usr/local

WEB_BUILD ?= build-web

.PHONY: deps deps-web web test-web build run install package package-check test test-fast test-asan bench curve soak fuzz fuzz-smoke fuzz-build clean

deps:
	sh scripts/install-deps.sh

deps-web: deps
	sh scripts/install-deps.sh --web

build: deps
	cmake -S . -B $(BUILD) -G Ninja $(CMAKE_FLAGS)
	cmake --build $(BUILD) -j $(JOBS)

run: build
	cd $(BUILD)/run && ../plumfall

# DESTDIR is honoured, as cmake --install reads it from the environment.
install: build
	cmake --install $(BUILD) --prefix $(PREFIX) --strip

# $(BUILD)/plumfall_<version>_<arch>.deb, installing under /usr, built by
# dpkg-buildpackage from debian/ in a copy of the source ($(BUILD)/package).
package: deps
	sh scripts/package.sh $(BUILD)

# Two package builds in different folders at different times must give the
# same bytes; then lintian and hardening-check on the package.
package-check: deps
	sh scripts/package-check.sh $(BUILD)

test-fast: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

test-asan: deps
	cmake -S . -B $(ASAN_BUILD) -G Ninja -DPLUMFALL_SANITIZE=ON $(CMAKE_FLAGS)
	cmake --build $(ASAN_BUILD) -j $(JOBS)
	cd $(ASAN_BUILD) && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 ctest --output-on-failure -j $(JOBS)

test: test-fast test-asan fuzz-smoke

# World update, drawing (Mesa under Xvfb) and start-up, each set against its target.
bench: deps
	cmake -S . -B $(PROOF_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPLUMFALL_BENCH=ON -DPLUMFALL_TESTS=OFF $(CMAKE_FLAGS)
	cmake --build $(PROOF_BUILD) -j $(JOBS) --target bench_world bench_draw bench_startup bench_scenefile bench_pacing bench_modelload
	for b in world draw startup scenefile pacing modelload; do \
	  $(PROOF_BUILD)/bench/bench_$$b --benchmark_repetitions=5 --benchmark_report_aggregates_only=true \
	    >$(PROOF_BUILD)/bench_$$b.log 2>&1 || { tail -n 20 $(PROOF_BUILD)/bench_$$b.log; exit 1; }; \
	  sed -n '/^benchmark /,$$p' $(PROOF_BUILD)/bench_$$b.log; \
	done

# The autopilot plays ten minutes (20,000 frames) at F1 to F10 with seeds 1, 2
# and 3: chickens made, finished, lost, per difficulty (the table in docs/measurements.md).
curve: build
	JOBS=$(JOBS) bash tools/headless/difficulty_curve.sh $(BUILD)/tools/headless/plumfall-headless

# An hour of play (120,000 frames) at F1, F5 and F10 under AddressSanitizer and
# LeakSanitizer, every frame checked for NaN, runaway positions and entity counts;
# then the real game playing itself at F10 for SOAK_MINUTES under Xvfb, plain and
# sanitizer builds: memory flat, no frame over 100 ms (`make soak SOAK_MINUTES=3` for a short one).
soak: build
	cmake -S . -B $(ASAN_BUILD) -G Ninja -DPLUMFALL_SANITIZE=ON $(CMAKE_FLAGS)
	cmake --build $(ASAN_BUILD) -j $(JOBS) --target plumfall-headless plumfall gamedata wmclose swapclock
	for d in 1 5 10; do \
	  log=$(ASAN_BUILD)/soak-F$$d.log; \
	  (cd $(ASAN_BUILD)/run && ASAN_OPTIONS=detect_leaks=1 SDL_AUDIODRIVER=dummy ../tools/headless/plumfall-headless \
	    --frames $(SOAK_FRAMES) --difficulty $$d --check --resources script.lua) >$$log 2>&1 \
	    || { grep -v '^wtf' $$log | tail -n 40; exit 1; }; \
	  grep -E '^(frames|difficulty|chickens made|max entity count):' $$log | tr '\n' ' '; echo; \
	done
	for b in $(BUILD) $(ASAN_BUILD); do \
	  PLUMFALL_SOAK_SECONDS=$$(($(SOAK_MINUTES) * 60)) PLUMFALL_SOAK_LOG=$$b/soak-game.log bash tests/e2e/soak.sh $$b \
	    >$$b/soak-game.out 2>&1 || { tail -n 40 $$b/soak-game.out; exit 1; }; \
	  cat $$b/soak-game.log; \
	done

# libFuzzer targets (clang): `fuzz` runs each (or those in FUZZ_TARGETS) for
# FUZZ_SECONDS on a copy of its corpus, e.g. `make fuzz FUZZ_SECONDS=600` for a
# campaign; `fuzz-smoke` replays the committed corpora and fuzzes each briefly.
fuzz-build: deps
	CC=clang CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -G Ninja -DPLUMFALL_FUZZ=ON -DPLUMFALL_TESTS=OFF $(CMAKE_FLAGS)
	cmake --build $(FUZZ_BUILD) -j $(JOBS) --target fuzz_targets

fuzz: fuzz-build
	FUZZ_TARGETS="$(FUZZ_TARGETS)" sh fuzz/run.sh $(FUZZ_BUILD) $(FUZZ_SECONDS)

fuzz-smoke: fuzz-build
	sh fuzz/run.sh $(FUZZ_BUILD) 20

# The game for a browser in $(WEB_BUILD): index.html, plumfall.js/.wasm/.data.
# The data are the desktop build's (mkassets); the libraries are built with
# emcc from Debian's source packages.
web: deps-web
	cmake -S . -B $(BUILD) -G Ninja $(CMAKE_FLAGS)
	cmake --build $(BUILD) -j $(JOBS) --target gamedata
	sh scripts/web-deps.sh $(WEB_BUILD)/deps
	NODE_PATH=/usr/share/nodejs emcmake cmake -S . -B $(WEB_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Release \
	  -DPLUMFALL_TESTS=OFF -DPLUMFALL_WEB_DEPS=$(abspath $(WEB_BUILD))/deps -DPLUMFALL_WEB_DATA=$(abspath $(BUILD))/run
	NODE_PATH=/usr/share/nodejs cmake --build $(WEB_BUILD) -j $(JOBS)
	sh scripts/web-size.sh $(WEB_BUILD)

# The browser build in headless Chromium, held against the desktop game.
test-web: web
	cmake --build $(BUILD) -j $(JOBS) --target plumfall wmclose
	bash tests/web/browser.sh $(BUILD) $(WEB_BUILD)

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(PROOF_BUILD) $(FUZZ_BUILD) $(WEB_BUILD)
