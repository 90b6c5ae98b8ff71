# Quorvel: the commands a developer or user needs. `make run` builds and starts the program,
# `make test` builds and runs every test. Both install missing Debian packages first.

BUILD      ?= build
ASAN_BUILD ?= build-asan
FUZZ_BUILD ?= build-fuzz
JOBS       ?= $(shell nproc)
FUZZ_SECONDS ?= 60

# Everything the build, the tests and the tools need on Debian 12.
PACKAGES := cmake ninja-build g++ make pkg-config qt6-base-dev qt6-qpa-plugins qt6-translations-l10n libgl-dev \
            libgtest-dev libgmock-dev libbenchmark-dev libmuparser-dev libcairo2-dev libpugixml-dev \
            clang libclang-rt-14-dev fonts-liberation desktop-file-utils xvfb xauth \
            dpkg-dev lintian appstream
# The program's icon drawn from its SVG file.
PACKAGES += qt6-svg-dev
# A window manager for the tests of window places, and the tools that ask the X server.
PACKAGES += openbox x11-utils

.PHONY: all deps configure build run test sanitize fuzz fuzz-run bench screenshot install package clean

all: build

deps:
	@missing=$$(for p in $(PACKAGES); do dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null | grep -q 'install ok installed' || echo $$p; done); \
	if [ -n "$$missing" ]; then \
	  if [ "$$(id -u)" != 0 ]; then \
	    echo "Missing packages. Run: sudo apt-get update && sudo apt-get install -y" $$missing; exit 1; \
	  fi; \
	  echo "Installing:" $$missing; \
	  apt-get update -q && DEBIAN_FRONTEND=noninteractive apt-get install -y -q $$missing; \
	fi

configure: deps
	@[ -f $(BUILD)/build.ninja ] || cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: configure
	cmake --build $(BUILD) -j $(JOBS)

run: build
	@if [ -z "$$DISPLAY$$WAYLAND_DISPLAY$$QT_QPA_PLATFORM" ]; then \
	  echo "make run: no display found (DISPLAY/WAYLAND_DISPLAY not set); start it from a desktop session or with: xvfb-run make run"; exit 1; \
	fi
	mkdir -p run && cp -u share/Hilfe.htm run/
	cd run && ../$(BUILD)/src/app/quorvel

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

sanitize: deps
	@[ -f $(ASAN_BUILD)/build.ninja ] || cmake -S . -B $(ASAN_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DQV_WITH_QT=OFF -DQV_SANITIZE=ON
	cmake --build $(ASAN_BUILD) -j $(JOBS)
	cd $(ASAN_BUILD) && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
	  LSAN_OPTIONS=suppressions=$(CURDIR)/cmake/lsan.supp ctest --output-on-failure -j $(JOBS)

fuzz: deps
	@[ -f $(FUZZ_BUILD)/build.ninja ] || CC=clang CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQV_WITH_QT=OFF -DQV_FUZZ=ON
	cmake --build $(FUZZ_BUILD) -j $(JOBS)

# Runs every fuzz target for FUZZ_SECONDS each, from its corpus and its seeds in fuzz/seeds.
fuzz-run: fuzz
	@set -e; for f in $(FUZZ_BUILD)/fuzz/fuzz_*; do \
	  [ -x "$$f" ] || continue; name=$$(basename $$f); mkdir -p $(FUZZ_BUILD)/corpus/$$name; \
	  echo "== $$name ($(FUZZ_SECONDS) s)"; \
	  seeds=$$(if [ -d fuzz/seeds/$$name ]; then echo fuzz/seeds/$$name; fi); \
	  if ! LSAN_OPTIONS=suppressions=$(CURDIR)/cmake/lsan.supp $$f -max_total_time=$(FUZZ_SECONDS) -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
	       $(FUZZ_BUILD)/corpus/$$name $$seeds > $(FUZZ_BUILD)/$$name.log 2>&1; then \
	    tail -n 60 $(FUZZ_BUILD)/$$name.log; echo "$$name FAILED"; exit 1; \
	  fi; \
	  grep -E '^(Done|stat::number_of_executed_units)' $(FUZZ_BUILD)/$$name.log; \
	done

bench: build
	@for b in $(BUILD)/bench/bench_*; do [ -x "$$b" ] && echo "== $$b" && $$b; done

# The window as a fresh start shows it, and with the tape, a short sum and the unit panel open.
screenshot: build
	mkdir -p docs
	QT_QPA_PLATFORM=offscreen $(BUILD)/src/ui/quorvel-screenshot docs/screenshot.png
	QT_QPA_PLATFORM=offscreen $(BUILD)/src/ui/quorvel-screenshot docs/screenshot-tape.png "t125+3=e"

install: build
	cmake --install $(BUILD)

# The Debian package quorvel_<version>_amd64.deb in the checkout (install it with apt).
package: build
	rm -rf $(BUILD)/package
	cd $(BUILD) && cpack --config CPackConfig.cmake -B package
	cp $(BUILD)/package/quorvel_*.deb .

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(FUZZ_BUILD)
