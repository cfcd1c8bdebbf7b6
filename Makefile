# SPDX-FileCopyrightText: 2026 quivelle team
# SPDX-License-Identifier: GPL-3.0-or-later

# make run: set up, build and start the program. make test: set up, build, run the tests.
BUILD ?= build
SANITIZE_BUILD ?= build-sanitize
TSAN_BUILD ?= build-tsan
WINDOWS_BUILD ?= build-windows
WEB_BUILD ?= build-web
JOBS ?= $(shell nproc)

.PHONY: all deps configure build run test windows windows-test web web-run web-test web-bench sanitize tsan soak memcheck bench school-day package install format cues icons clean

all: build

deps:
	@tools/install-deps.sh

configure: deps
	@test -f $(BUILD)/CMakeCache.txt || cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Release

build: configure
	cmake --build $(BUILD) -j $(JOBS)

run: build
	$(BUILD)/quivelle

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# The program for 64-bit Windows, its tests, its installer (NSIS) and its MSI package (wixl),
# cross-built with mingw-w64 against a static Qt built once from Debian's source
# (tools/build-windows-qt, about half an hour the first time); windows-test runs the tests
# under Wine, on an X display of their own for those that open real Windows windows.
windows: configure
	@tools/install-deps.sh ninja-build g++-mingw-w64-x86-64-posix wine wine64 nsis wixl msitools \
	  xz-utils xvfb xauth
	cmake --build $(BUILD) --target icon_pixels
	qt=$$(tools/build-windows-qt) && \
	  { test -f $(WINDOWS_BUILD)/CMakeCache.txt || "$$qt/bin/qt-cmake" -S . -B $(WINDOWS_BUILD) -G Ninja \
	      -DCMAKE_BUILD_TYPE=Release -DQT_CHAINLOAD_TOOLCHAIN_FILE=$(CURDIR)/cmake/mingw-w64-x86_64.cmake \
	      -DQUIVELLE_HOST_ICON_PIXELS=$(CURDIR)/$(BUILD)/assets/icon_pixels; }
	cmake --build $(WINDOWS_BUILD) -j $(JOBS)

windows-test: windows
	cd $(WINDOWS_BUILD) && xvfb-run -a ctest --output-on-failure -j $(JOBS)

# The program for the browser: build-web/site/, static files for any web server, built
# with Debian's emscripten against a static Qt for WebAssembly built once from Debian's
# source (tools/build-web-qt, about a quarter of an hour the first time). web-run serves
# the site on this computer; web-test runs the tests (in node, or in headless Chromium
# for those with windows) and walks a pupil through the site in Chromium, Firefox and
# WebKit.
WEB_TOOLCHAIN = /usr/share/emscripten/cmake/Modules/Platform/Emscripten.cmake
web: configure
	@tools/install-deps.sh ninja-build emscripten binaryen brotli fonttools nodejs
	cmake --build $(BUILD) --target icon_pixels
	qt=$$(tools/build-web-qt) && export EMSDK=$$(tools/build-web-qt --emsdk) \
	  EMSDK_PYTHON=/usr/bin/python3 NODE_PATH=/usr/share/nodejs && \
	  { test -f $(WEB_BUILD)/CMakeCache.txt || "$$qt/bin/qt-cmake" -S . -B $(WEB_BUILD) -G Ninja \
	      -DCMAKE_BUILD_TYPE=Release -DQT_CHAINLOAD_TOOLCHAIN_FILE=$(WEB_TOOLCHAIN) \
	      -DQUIVELLE_HOST_ICON_PIXELS=$(CURDIR)/$(BUILD)/assets/icon_pixels; } && \
	  cmake --build $(WEB_BUILD) -j $(JOBS)

web-run: web
	python3 tools/web/serve.py $(WEB_BUILD)/site $${PORT:-8080}

web-test: web
	@tools/install-deps.sh chromium firefox-esr webkit2gtk-driver python3-selenium xvfb xauth \
	  pulseaudio pulseaudio-utils
	@command -v npm >/dev/null || tools/install-deps.sh npm
	cd tools/web && npm ci --no-audit --no-fund --silent
	cd $(WEB_BUILD) && ctest --output-on-failure -j $(JOBS)
	tools/web/check-browsers $(WEB_BUILD)/site $(WEB_BUILD)/shots

# Time to the start menu's first draw in headless Chromium, against a bare Qt window built
# the same way, loaded alternately in one browser run, ROUNDS times each.
ROUNDS ?= 21
web-bench: web
	cd $(WEB_BUILD) && EMSDK=$$(../tools/build-web-qt --emsdk) EMSDK_PYTHON=/usr/bin/python3 \
	  NODE_PATH=/usr/share/nodejs cmake --build . --target bare_window
	python3 tools/web/assemble-site.py $(WEB_BUILD)/bare-site packaging/web \
	  $(WEB_BUILD)/bench/bare_window.js $(WEB_BUILD)/bench/bare_window.wasm assets/icons LICENSES
	node tools/web/start-bench.mjs $(WEB_BUILD)/site $(WEB_BUILD)/bare-site $(ROUNDS)

# The classroom desktop test drives the program from outside, through an X server and a
# window manager of its own; it runs in make test. In CI's sanitizer run its window manager
# was twice seen not to come up (not reproduced by hand), so it is left out here until that
# is understood.
SANITIZE_EXCLUDE ?= -E '^test_classroom_desktop$$'
sanitize: deps
	@test -f $(SANITIZE_BUILD)/CMakeCache.txt || cmake -S . -B $(SANITIZE_BUILD) -DCMAKE_BUILD_TYPE=Debug \
	  -DQUIVELLE_SANITIZE=ON -DQUIVELLE_BENCH=OFF
	cmake --build $(SANITIZE_BUILD) -j $(JOBS)
	cd $(SANITIZE_BUILD) && QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 \
	  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 ctest --output-on-failure -j $(JOBS) \
	  $(SANITIZE_EXCLUDE)

# The sound tests under ThreadSanitizer: the speakers' module runs the sound library's thread
# beside the program's. Qt and libpulse are not built for it;
# tests/platform/linux/speakers/tsan.supp names the reports that lie wholly inside them.
# Only two tests are built here: the tests' shared precompiled headers would cost more
# than they save.
tsan: deps
	@tools/install-deps.sh pulseaudio pulseaudio-utils
	@test -f $(TSAN_BUILD)/CMakeCache.txt || cmake -S . -B $(TSAN_BUILD) \
	  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUIVELLE_TSAN=ON -DQUIVELLE_BENCH=OFF \
	  -DCMAKE_DISABLE_PRECOMPILE_HEADERS=ON
	cmake --build $(TSAN_BUILD) -j $(JOBS) --target quivelle_speakers test_speaker_module test_real_sound
	cd $(TSAN_BUILD) && QT_QPA_PLATFORM=offscreen \
	  TSAN_OPTIONS="suppressions=$(CURDIR)/tests/platform/linux/speakers/tsan.supp second_deadlock_stack=1" \
	  ctest --output-on-failure -j $(JOBS) -R '^test_(speaker_module|real_sound)$$'

# A random pupil for a million actions in the Release build: prints its seed, the actions
# per second and the slowest actions. SEED=n replays a run.
SEED ?= clock
soak: build
	QT_QPA_PLATFORM=offscreen $(BUILD)/tests/test_random_pupil --actions 1000000 --seed $(SEED) --timing

# One scripted visit to every window under valgrind's memcheck; the suppressions cover the
# toolkit's and the system libraries' own one-time allocations, never the program's.
memcheck: build
	@tools/install-deps.sh valgrind
	QT_QPA_PLATFORM=offscreen valgrind --tool=memcheck --error-exitcode=1 --leak-check=full \
	  --show-leak-kinds=definite --errors-for-leak-kinds=definite --num-callers=30 \
	  --suppressions=tests/program/memcheck.supp $(BUILD)/tests/test_random_pupil --tour

# Start-up against a bare window, every step of every screen, and click to sound through a
# private sound server (Release, under Xvfb).
bench: build
	@tools/install-deps.sh xvfb xauth time dbus-daemon pulseaudio pulseaudio-utils
	bench/startup $(BUILD) 21
	xvfb-run -a $(BUILD)/bench/exercise_latency 40
	xvfb-run -a $(BUILD)/bench/cue_latency 30

# A school day: a thousand cycles of every screen, with the memory at cycle 100 and at the end.
school-day: build
	@tools/install-deps.sh xvfb xauth
	xvfb-run -a $(BUILD)/bench/exercise_latency 1000

# The Debian package (debian/, debhelper), built and tested with Debian's build flags;
# leaves build/quivelle_*.deb. DEB_BUILD_OPTIONS=nocheck skips the tests.
package: deps
	@tools/install-deps.sh debhelper dpkg-dev
	JOBS=$(JOBS) tools/build-package $(BUILD)

install: build
	cmake --install $(BUILD)

format:
	clang-format -i $$(git ls-files 'src/*.cpp' 'src/*.h' 'tests/*.cpp' 'tests/*.h')

# Regenerates the sound cues from their recipe.
cues:
	python3 tools/make_cues.py

# Redraws the icon's PNG sizes from the menu's SVG.
icons:
	tools/make-icons

clean:
	rm -rf $(BUILD) $(SANITIZE_BUILD) $(TSAN_BUILD) $(WINDOWS_BUILD) $(WEB_BUILD)
