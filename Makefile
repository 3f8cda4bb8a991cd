# Two commands do all set-up on a fresh Debian 12 machine:
#   make run    install what is missing, build, start the suite in run/
#   make test   install what is missing, build, run every test headless
BUILD    ?= build
RUNDIR   ?= run
JOBS     ?= $(shell nproc)
LANGS    := $(wildcard data/lang/*.txt)

.PHONY: all deps build run test bench clean look-deps

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

bench: build
	@for b in $(BUILD)/bench/bench_*; do [ -x "$$b" ] && "$$b" --benchmark_repetitions=5 --benchmark_report_aggregates_only=true; done

clean:
	rm -rf $(BUILD)

# Processor time of a start and of an idle suite beside a bare Qt window.
.PHONY: bench-startup
bench-startup: build
	bash bench/startup-cpu.sh $(BUILD)
