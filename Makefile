# Two commands do all set-up: `make run` and `make test`.
BUILD_DIR := build
JOBS := 2

.PHONY: all run test bench build configure deps clean

all: build

deps:
	./scripts/install-deps.sh

configure: deps
	cmake -S . -B $(BUILD_DIR) -G Ninja

build: configure
	cmake --build $(BUILD_DIR) --parallel $(JOBS)

run: build
	./$(BUILD_DIR)/orvi-math-tutor

test: build
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure --timeout 120 --parallel $(JOBS)

bench: configure
	cmake --build $(BUILD_DIR) --parallel $(JOBS) --target benchmarks
	cmake --build $(BUILD_DIR) --target run_benchmarks

clean:
	rm -rf $(BUILD_DIR)
