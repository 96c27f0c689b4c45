# Two commands do all set-up: `make run` and `make test`.
BUILD_DIR := build
JOBS := 2

.PHONY: all run test bench build configure deps clean package screenshots

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

# A Debian package of the installed program, in $(BUILD_DIR).
package: build
	cmake --build $(BUILD_DIR) --target package

# Pictures of every screen for the README and the metainfo, in docs/screenshots.
screenshots: build
	cmake --build $(BUILD_DIR) --target screenshots

clean:
	rm -rf $(BUILD_DIR)

# libFuzzer on the number reader for FUZZ_SECONDS, in a clang build of its
# own; it adds what it finds to fuzz/corpus, which every `make test` replays.
FUZZ_BUILD_DIR := build-fuzz
FUZZ_SECONDS := 600

.PHONY: fuzz
fuzz:
	./scripts/install-deps.sh fuzz
	cmake -S . -B $(FUZZ_BUILD_DIR) -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DTUTOR_LIBFUZZER=ON
	cmake --build $(FUZZ_BUILD_DIR) --parallel $(JOBS) --target number_reader_fuzzer
	./scripts/run-fuzzer.sh $(FUZZ_BUILD_DIR) $(FUZZ_SECONDS)
