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
	@$(BUILD)/cli/vantor-cli measure --energy 50 --field 1000 --slit 0 --count 10000

test: build
	@cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j2

bench: build
	@$(BUILD)/bench/vantor-bench

clean:
	@rm -rf $(BUILD)
