# Two commands do all set-up: `make run` and `make test`.
BUILD_DIR := build
JOBS := 2

.PHONY: all run test bench build configure deps clean package screenshots soak

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

# The random walk of the tests, 100 000 steps long; SOAK_SEED=<n> replays one.
soak: build
	QT_QPA_PLATFORM=offscreen SOAK_STEPS=$${SOAK_STEPS:-100000} ./$(BUILD_DIR)/tests/soak_test

bench: configure
	cmake --build $(BUILD_DIR) --parallel $(JOBS) --target benchmarks
	cmake --build $(BUILD_DIR) --target run_benchmarks

# A Debian package of the installed program, in $(BUILD_DIR).
package: build
	cmake --build $(BUILD_DIR) --target package

# Pictures of every screen for the README and the metainfo, in docs/screenshots.
screenshots: build
	cmake --build $(BUILD_DIR) --target screenshots

clean:
	rm -rf $(BUILD_DIR)
