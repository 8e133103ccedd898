BUILD := build
CONFIGURED := $(BUILD)/build.ninja
SANITIZE_BUILD := build-sanitize
SANITIZE_CONFIGURED := $(SANITIZE_BUILD)/build.ninja

.PHONY: all deps build run test bench package clean

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
	@rm -rf $(BUILD) $(SANITIZE_BUILD) build-windows

FUZZ_BUILD := build-fuzz
FUZZ_SECONDS ?= 60

.PHONY: fuzz fuzz-build

# Building alone is what CI does, so that a target cannot break unnoticed.
fuzz-build:
	@scripts/install-deps fuzz
	@CC=clang-14 CXX=clang++-14 cmake -S fuzz -B $(FUZZ_BUILD) -G Ninja >/dev/null
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
