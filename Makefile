BUILD := build
CONFIGURED := $(BUILD)/build.ninja
SANITIZE_BUILD := build-sanitize
SANITIZE_CONFIGURED := $(SANITIZE_BUILD)/build.ninja

.PHONY: all deps build run test bench coverage package clean

all: build

deps:
	@scripts/install-deps

$(CONFIGURED):
	@cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null

build: deps $(CONFIGURED)
	@cmake --build $(BUILD)

run: build
	@if [ -z "$$DISPLAY$$WAYLAND_DISPLAY$$QT_QPA_PLATFORM" ]; then \
		echo "make run: nincs grafikus kijelző (DISPLAY), a Vantor ablaka nem nyitható meg; a fej nélküli mérés: $(BUILD)/cli/vantor-cli --help"; \
	else \
		$(BUILD)/app/vantor; \
	fi

test: build
	@cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j2

.PHONY: test-sanitize

# With debug information the sanitizers' reports name the source lines.
$(SANITIZE_CONFIGURED):
	@cmake -S . -B $(SANITIZE_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVANTOR_SANITIZE=ON >/dev/null

# No leak is suppressed: Qt leaves none of its own unreachable when these tests end.
test-sanitize: deps $(SANITIZE_CONFIGURED)
	@cmake --build $(SANITIZE_BUILD)
	@cd $(SANITIZE_BUILD) && QT_QPA_PLATFORM=offscreen \
		ASAN_OPTIONS=halt_on_error=1:detect_leaks=1:check_initialization_order=1:detect_stack_use_after_return=1 \
		UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
		ctest --output-on-failure -j2

# The Debian package, written into $(BUILD).
package: build
	@cmake --build $(BUILD) --target package

bench: build
	@$(BUILD)/bench/vantor-bench
	@$(BUILD)/bench/vantor-scan-bench
	@QT_QPA_PLATFORM=offscreen $(BUILD)/bench/vantor-window-bench
	@QT_QPA_PLATFORM=offscreen $(BUILD)/bench/vantor-evidence-bench

clean:
	@rm -rf $(BUILD) $(SANITIZE_BUILD) build-windows build-web

FUZZ_BUILD := build-fuzz
FUZZ_SECONDS ?= 60

.PHONY: fuzz fuzz-build

# Building alone is what CI does, so that a target cannot break unnoticed.
fuzz-build:
	@scripts/install-deps fuzz
	@CC=clang-14 CXX=clang++-14 cmake -S . -B $(FUZZ_BUILD) -G Ninja -DVANTOR_FUZZ=ON >/dev/null
	@cmake --build $(FUZZ_BUILD)

fuzz: fuzz-build
	@fuzz/run $(FUZZ_BUILD) $(FUZZ_SECONDS)

.PHONY: windows windows-test

# The Windows programs, cross-built on Debian into build-windows/: the
# portable folder, its zip and the installer (scripts/windows). The first run
# builds Qt and libjpeg-turbo for Windows into ~/.cache/vantor/, once.
windows:
	@scripts/windows packages

# The Windows tests under Wine, then the Linux and Windows programs' outputs
# compared.
windows-test: build
	@scripts/windows test

.PHONY: mutants

# For developers, not CI: puts each fault of scripts/mutants.txt into a copy of
# the tree in build-mutants/ and reports the faults that no headless test notices.
mutants:
	@scripts/install-deps mutants
	@scripts/mutants

# How often the unfolded 95 % intervals hold the true spectrum, over 100 seeds
# of three scans (C-14, Sr-90, P-32): tables on the terminal, CSV and PNG in
# $(BUILD)/coverage. The counts of each seed are kept there, so a second run
# only unfolds again. Takes about half an hour on one core the first time.
COVERAGE := $(BUILD)/bench/vantor-unfolding-coverage --seeds 100 --count 200000
COVERAGE_DIR := $(BUILD)/coverage

coverage: build
	@mkdir -p $(COVERAGE_DIR)
	@echo "C-14, 1000 µT, a Blende lépése 5, 10–150 keV"
	@$(COVERAGE) --counts $(COVERAGE_DIR)/c14.counts --field 1000 --slit 5 --from 10 --to 150 --step 5 \
		--csv $(COVERAGE_DIR)/c14.csv --plot $(COVERAGE_DIR)/c14.png
	@echo "Sr-90, 5000 µT, a Blende lépése 0, 20–540 keV"
	@$(COVERAGE) --counts $(COVERAGE_DIR)/sr90.counts --source data/sources/sr90.for --field 5000 --slit 0 \
		--from 20 --to 540 --step 20 --csv $(COVERAGE_DIR)/sr90.csv --plot $(COVERAGE_DIR)/sr90.png
	@echo "P-32, 20000 µT, a Blende lépése 5, 60–1740 keV"
	@$(COVERAGE) --counts $(COVERAGE_DIR)/p32.counts --source data/sources/p32.for --field 20000 --slit 5 \
		--from 60 --to 1740 --step 60 --csv $(COVERAGE_DIR)/p32.csv --plot $(COVERAGE_DIR)/p32.png

WEB_BUILD := build-web
WEB_CONFIGURED := $(WEB_BUILD)/build.ninja
# Emscripten's optimising link runs Debian's acorn, which a Node.js installed
# from elsewhere does not look for by itself.
WEB_ENV := NODE_PATH=/usr/share/nodejs

.PHONY: web web-test web-bench

$(WEB_CONFIGURED):
	@$(WEB_ENV) emcmake cmake -S . -B $(WEB_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null

# The browser edition: one page, $(WEB_BUILD)/vantor.html, that opens offline;
# it carries html2canvas, which npm puts into web/node_modules.
web:
	@scripts/install-deps web
	@cd web && { [ -d node_modules/html2canvas ] || npm ci --no-audit --no-fund; }
	@$(MAKE) --no-print-directory $(WEB_CONFIGURED)
	@$(WEB_ENV) cmake --build $(WEB_BUILD)

# The page driven in headless Chromium and then in Firefox; its counts are
# held against the desktop's vantor-cli. The driver comes from the npm
# registry, the browsers from Debian.
web-test: web build
	@cd web && { [ -d node_modules/puppeteer-core ] || npm ci --no-audit --no-fund; }
	@cd web && for browser in chromium firefox; do \
		VANTOR_BROWSER=$$browser VANTOR_PAGE=../$(WEB_BUILD)/vantor.html VANTOR_CLI=../$(BUILD)/cli/vantor-cli \
			node test/page_test.mjs || exit 1; \
	done

# Particles per second in the page, tracks hidden and shown; compare with the
# window's own (make bench, vantor-window-bench).
web-bench: web
	@cd web && { [ -d node_modules/puppeteer-core ] || npm ci --no-audit --no-fund; }
	@cd web && VANTOR_PAGE=../$(WEB_BUILD)/vantor.html node test/page_bench.mjs
