# SPDX-FileCopyrightText: 2026 The Gauntry developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Two commands do all set-up on a fresh Debian 12 machine:
#   make run    install what is missing, build, start the suite in run/
#   make test   install what is missing, build, run every test headless
BUILD    ?= build
RUNDIR   ?= run
JOBS     ?= $(shell nproc)
PREFIX   ?= /usr/local
LANGS    := $(wildcard data/lang/*.txt)

.PHONY: all deps build run test soak bench clean look-deps install package icons

all: build

deps:
	@bash scripts/install-deps.sh

look-deps:
	@bash scripts/install-deps.sh --look

$(BUILD)/build.ninja: CMakeLists.txt | deps
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Release

build: deps $(BUILD)/build.ninja
	cmake --build $(BUILD) -j $(JOBS)

# The run folder holds the language files; the active file langutil.txt is
# made from English only when absent, so a chosen language survives restarts.
run: build
	@mkdir -p $(RUNDIR)
	@cp -p $(LANGS) $(RUNDIR)/
	@[ -e $(RUNDIR)/langutil.txt ] || cp data/lang/English.txt $(RUNDIR)/langutil.txt
	cd $(RUNDIR) && ../$(BUILD)/gauntry

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# The random drive of every screen at its full length (make test runs a
# short one).
soak: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen GAUNTRY_DRIVE_ACTIONS=10000 ctest --output-on-failure -R tst_random_drive

bench: build
	@for b in $(BUILD)/bench/bench_*; do [ -x "$$b" ] && "$$b" --benchmark_repetitions=5 --benchmark_report_aggregates_only=true; done

# Installs into PREFIX (DESTDIR, when given, is put in front of it).
install: build
	DESTDIR="$(DESTDIR)" cmake --install $(BUILD) --prefix "$(PREFIX)"

# Builds the Debian package into $(BUILD)/.
package: build
	cd $(BUILD) && cpack -G DEB

# Redraws the PNG icons from data/icons/org.gauntry.Gauntry.svg.
icons:
	@bash scripts/install-deps.sh --icons
	bash scripts/make-icons.sh

clean:
	rm -rf $(BUILD)

# gauntry-calc on fleet files of 100,000 and 1,000,000 meters on one core:
# time and peak memory, streamed and ranked by payback (bench/calc-fleet.sh).
.PHONY: bench-calc
bench-calc: build
	bash bench/calc-fleet.sh $(BUILD)

# Processor time of a start and of an idle suite beside a bare Qt window.
.PHONY: bench-startup
bench-startup: build
	bash bench/startup-cpu.sh $(BUILD)

# Fuzz targets (fuzz/) built with clang++ and libFuzzer under ASan and UBSan in
# their own folder; each runs FUZZ_SECONDS, or FUZZ_RUNS executions if given.
FUZZ_BUILD   ?= build-fuzz
FUZZ_SECONDS ?= 60
FUZZ_RUNS    ?= -1
.PHONY: fuzz
fuzz:
	@bash scripts/install-deps.sh --fuzz
	cmake -S . -B $(FUZZ_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DCMAKE_CXX_COMPILER=clang++ -DGAUNTRY_FUZZ=ON
	cmake --build $(FUZZ_BUILD) -j $(JOBS) --target fuzz_langfile fuzz_numbers
	bash fuzz/run.sh $(FUZZ_BUILD) $(FUZZ_SECONDS) $(FUZZ_RUNS)

# The whole suite built with AddressSanitizer (leak checking on) and
# UndefinedBehaviorSanitizer in its own folder; every ctest test must run clean.
ASAN_BUILD ?= build-asan
SANITIZE   := -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined
.PHONY: test-asan
test-asan: deps
	cmake -S . -B $(ASAN_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug \
	  -DCMAKE_CXX_FLAGS="-O1 -g $(SANITIZE)" -DCMAKE_EXE_LINKER_FLAGS="$(SANITIZE)"
	cmake --build $(ASAN_BUILD) -j $(JOBS)
	cd $(ASAN_BUILD) && QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1:strict_string_checks=1 \
	  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 ctest --output-on-failure -j $(JOBS)
