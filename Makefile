# Two commands do all set-up: `make run` and `make test`.
BUILD_DIR := build
JOBS := 2

.PHONY: all run test bench build configure deps clean package screenshots soak sanitize fuzz translations

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

# Every test again, the program built with AddressSanitizer (leaks included)
# and UndefinedBehaviorSanitizer in a folder of its own; any finding fails.
# Packaging is left out: a sanitized program is not one to ship.
SANITIZE_DIR := build-sanitize
sanitize: deps
	cmake -S . -B $(SANITIZE_DIR) -G Ninja -DTUTOR_SANITIZE=ON
	cmake --build $(SANITIZE_DIR) --parallel $(JOBS)
	cd $(SANITIZE_DIR) && QT_QPA_PLATFORM=offscreen \
		ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:strict_string_checks=1:detect_stack_use_after_return=1 \
		UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
		ctest --output-on-failure --timeout 600 --parallel $(JOBS) --label-exclude package

# The random walk of the tests, 100 000 steps long; SOAK_SEED=<n> replays one.
soak: build
	QT_QPA_PLATFORM=offscreen SOAK_STEPS=$${SOAK_STEPS:-100000} ./$(BUILD_DIR)/tests/soak_test

# Brings translations/*.ts up to date with the texts in the sources.
translations: configure
	cmake --build $(BUILD_DIR) --target translations

bench: configure
	cmake --build $(BUILD_DIR) --parallel $(JOBS) --target benchmarks
	cmake --build $(BUILD_DIR) --target run_benchmarks
	cmake --build $(BUILD_DIR) --target run_startup_probe

# A Debian package of the installed program, in $(BUILD_DIR).
package: build
	cmake --build $(BUILD_DIR) --target package

# Pictures of every screen for the README and the metainfo, in docs/screenshots.
screenshots: build
	cmake --build $(BUILD_DIR) --target screenshots

clean:
	rm -rf $(BUILD_DIR) $(SANITIZE_DIR) $(FUZZ_BUILD_DIR)

# libFuzzer on the number reader for FUZZ_SECONDS, in a clang build of its
# own; it adds what it finds to fuzz/corpus, which every `make test` replays.
FUZZ_BUILD_DIR := build-fuzz
FUZZ_SECONDS := 600

fuzz:
	./scripts/install-deps.sh fuzz
	cmake -S . -B $(FUZZ_BUILD_DIR) -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DTUTOR_LIBFUZZER=ON
	cmake --build $(FUZZ_BUILD_DIR) --parallel $(JOBS) --target number_reader_fuzzer
	./scripts/run-fuzzer.sh $(FUZZ_BUILD_DIR) $(FUZZ_SECONDS)
