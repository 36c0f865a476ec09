# ZuLex: set-up, build, run, tests, benchmarks and fuzzing. Every target installs missing packages first.

BUILD_RUN   := build
BUILD_TEST  := build-test
BUILD_BENCH := build-bench
BUILD_FUZZ  := build-fuzz
FUZZ_SECONDS ?= 30
JOBS ?= $(shell nproc)

CMAKE_GEN := -G Ninja

.PHONY: all deps build run test bench fuzz format clean

all: build

deps:
	@./scripts/install-deps.sh

build: deps
	@cmake -S . -B $(BUILD_RUN) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZU_BUILD_TESTS=OFF >/dev/null
	@cmake --build $(BUILD_RUN) -j $(JOBS)

run: build
	@if [ -x $(BUILD_RUN)/out/zulex ]; then \
		cd $(BUILD_RUN)/out && ./zulex; \
	else \
		echo "Everything is built in $(BUILD_RUN)/out/; there is nothing to run yet."; \
	fi

test: deps
	@cmake -S . -B $(BUILD_TEST) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Debug -DZU_SANITIZE=ON >/dev/null
	@cmake --build $(BUILD_TEST) -j $(JOBS)
	@cd $(BUILD_TEST) && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
		ctest --output-on-failure -j $(JOBS)

bench: deps
	@cmake -S . -B $(BUILD_BENCH) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Release -DZU_BUILD_TESTS=OFF -DZU_BUILD_BENCH=ON >/dev/null
	@cmake --build $(BUILD_BENCH) -j $(JOBS)
	@./scripts/run-bench.sh $(BUILD_BENCH)/bench

fuzz: deps
	@CC=clang CXX=clang++ cmake -S . -B $(BUILD_FUZZ) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=RelWithDebInfo \
		-DZU_BUILD_TESTS=OFF -DZU_FUZZ=ON >/dev/null
	@cmake --build $(BUILD_FUZZ) -j $(JOBS)
	@./scripts/run-fuzz.sh $(BUILD_FUZZ)/fuzz fuzz/corpus $(FUZZ_SECONDS)

format:
	@git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	@rm -rf $(BUILD_RUN) $(BUILD_TEST) $(BUILD_BENCH) $(BUILD_FUZZ)
