BUILD := build
CONFIGURED := $(BUILD)/build.ninja

.PHONY: all deps build run test bench clean

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

bench: build
	@$(BUILD)/bench/vantor-bench
	@$(BUILD)/bench/vantor-scan-bench
	@QT_QPA_PLATFORM=offscreen $(BUILD)/bench/vantor-window-bench

clean:
	@rm -rf $(BUILD)
