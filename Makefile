# Builds and tests Quintaro: `make run` plays it, `make test` checks it.
SHELL := /bin/bash
BUILD := build
HOST  := $(BUILD)/host
WIN64 := $(BUILD)/win64
WIN32 := $(BUILD)/win32
LINUX := $(BUILD)/linux
WEB   := $(BUILD)/web
# Debian's Emscripten runs its tools with Debian's node modules.
EMENV := NODE_PATH=/usr/share/nodejs
ART   := $(abspath $(HOST))/art

.PHONY: all deps host win64 win32 native web test unit e2e native-e2e native-desktops-e2e web-e2e \
	mutants run run-wine run-web demo screenshots bench dist format stats clean

all: host win64 win32 native web

deps:
	@scripts/install-deps

host: deps
	@[ -f $(HOST)/build.ninja ] || cmake -S . -B $(HOST) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
	@cmake --build $(HOST)

win64: host
	@[ -f $(WIN64)/build.ninja ] || cmake -S . -B $(WIN64) -G Ninja -DCMAKE_BUILD_TYPE=Release \
	    -DCMAKE_TOOLCHAIN_FILE=$(abspath cmake/mingw-x86_64.cmake) -DART_DIR=$(ART)
	@cmake --build $(WIN64)

win32: host
	@[ -f $(WIN32)/build.ninja ] || cmake -S . -B $(WIN32) -G Ninja -DCMAKE_BUILD_TYPE=Release \
	    -DCMAKE_TOOLCHAIN_FILE=$(abspath cmake/mingw-i686.cmake) -DART_DIR=$(ART)
	@cmake --build $(WIN32)

# The native Linux game, with the host tree's compiled resources inside it.
native: host
	@[ -f $(LINUX)/build.ninja ] || cmake -S . -B $(LINUX) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	    -DQUINTARO_NATIVE=ON -DQUINTARO_RES=$(abspath $(HOST))/quintaro.res
	@cmake --build $(LINUX)

# The browser game, the site build/web: the host tree's compiled resources
# (only those), then the Emscripten tree.
web: deps
	@[ -f $(HOST)/build.ninja ] || cmake -S . -B $(HOST) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
	@cmake --build $(HOST) --target resources
	@[ -f $(BUILD)/webtree/build.ninja ] || $(EMENV) emcmake cmake -S . -B $(BUILD)/webtree -G Ninja \
	    -DCMAKE_BUILD_TYPE=Release -DQUINTARO_RES=$(abspath $(HOST))/quintaro.res \
	    -DQUINTARO_WEB_OUT=$(abspath $(WEB)) >/dev/null
	@$(EMENV) cmake --build $(BUILD)/webtree

unit: host
	@ctest --test-dir $(HOST) --output-on-failure

e2e: win64 win32
	@scripts/run-e2e

# The end-to-end tests play each game once, in check-dist, as its zip or
# package holds it (make e2e, native-e2e and web-e2e play build/); the native
# game's desktops follow.
test: all
	@scripts/check-builds
	@ctest --test-dir $(HOST) --output-on-failure
	@scripts/run-e2e --scenarios-only
	@scripts/check-dist
	@$(MAKE) --no-print-directory native-desktops-e2e

# The native game's end-to-end tests, on a private X server and accessibility
# bus; the same-pixels test compares with the pictures the Windows game's run
# saved (make e2e; the native run makes them first when missing). Then its
# desktops: the layout and the pictures again at the desktop scale 2, and a
# game on a headless Wayland compositor.
native-e2e: host win64 native
	@tests/native/run
	@$(MAKE) --no-print-directory native-desktops-e2e

native-desktops-e2e: host win64 native
	@NATIVE_SCALE=2 tests/native/run test_window test_same_pixels \
	    test_playing.Playing.test_win_then_play_again
	@NATIVE_WAYLAND=1 tests/native/run test_playing.Playing.test_miss_then_try_again \
	    test_leaving.Leaving.test_each_way_out

# The end-to-end tests on the browser game, in chromium on a private X server;
# the same-pixels test compares with the Windows game's pictures.
web-e2e: host win64 web
	@E2E_GAME=web tests/native/run

# Not part of test: builds its own copy in build/mutants and takes a while.
mutants: deps
	@tests/mutants/run

run: native
	@scripts/run-game

run-wine: win64
	@scripts/run-game --wine

run-web: web
	@scripts/run-web

# One game of the Windows build played by the end-to-end player, three
# pictures of it in build/demo.
demo: host win64
	@E2E_GAME=win64 tests/native/run --screenshots $(BUILD)/demo

screenshots: host win64 native
	@scripts/update-screenshots

bench: all
	@bench/run

dist: win64 win32 native web
	@scripts/make-dist

# Lines of test machinery against lines of code.
stats:
	@scripts/stats

format:
	@clang-format -i $$(git ls-files '*.cpp' '*.h')

clean:
	rm -rf $(BUILD)
