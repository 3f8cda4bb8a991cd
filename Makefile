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
