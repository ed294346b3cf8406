# The two commands of the README: `make run` and `make test`.
# Both install what is missing, build with CMake + Ninja, then run.

BUILD       ?= build
ASAN_BUILD  ?= build-asan
BENCH_BUILD ?= build-bench
FUZZ_BUILD  ?= build-fuzz
FUZZ_SECONDS ?= 60
CMAKE_FLAGS ?=

.PHONY: all deps build run test asan bench fuzz install package clean

all: build

deps:
	@scripts/install-deps

# The benchmarks are built with the rest (not run), so that they keep building.
build: deps
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Release -DTINTAVO_BENCH=ON $(CMAKE_FLAGS)
	cmake --build $(BUILD)

run: build
	$(BUILD)/tintavo

test: build
	scripts/run-under-xvfb ctest --test-dir $(BUILD) --output-on-failure

asan: deps
	cmake -S . -B $(ASAN_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTINTAVO_SANITIZE=ON $(CMAKE_FLAGS)
	cmake --build $(ASAN_BUILD)
	scripts/run-under-xvfb ctest --test-dir $(ASAN_BUILD) --output-on-failure

bench: deps
	cmake -S . -B $(BENCH_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Release -DTINTAVO_TESTS=OFF -DTINTAVO_BENCH=ON $(CMAKE_FLAGS)
	cmake --build $(BENCH_BUILD)
	scripts/run-under-xvfb scripts/run-benchmarks $(BENCH_BUILD)

fuzz: deps
	CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTINTAVO_FUZZ=ON $(CMAKE_FLAGS)
	cmake --build $(FUZZ_BUILD)
	scripts/run-fuzzers $(FUZZ_BUILD) $(FUZZ_SECONDS)

install: build
	cmake --install $(BUILD)

# A Debian package of the program (build/tintavo_<version>_<arch>.deb).
package: build
	cmake --build $(BUILD) --target package

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(BENCH_BUILD) $(FUZZ_BUILD)
