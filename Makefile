# The one entry point: `make run`, `make test`, `make bench`, `make fuzz`.
BUILD      ?= build
ASAN_BUILD ?= build-asan
FUZZ_BUILD ?= build-fuzz
BENCH_BUILD?= build-bench
JOBS       ?= $(shell nproc)
FUZZ_SECONDS      ?= 30
FUZZ_LONG_SECONDS ?= 600
CMAKE_GEN  := -G Ninja

.PHONY: all deps configure build program test unit-test asan-test fuzz-build fuzz-smoke fuzz bench run package clean

all: build

deps:
	@bash tools/install-deps.sh

configure: deps
	cmake -S . -B $(BUILD) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: configure
	cmake --build $(BUILD) -j $(JOBS)

# Only what `make run` starts: the program and the command-line tool, with the
# files the build puts beside them. Tests and tools are left to `make test`.
program: configure
	cmake --build $(BUILD) -j $(JOBS) --target protoscribe protoscribe-cli

unit-test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

# The tests that need no Qt, under AddressSanitizer and UndefinedBehaviorSanitizer.
asan-test: deps
	cmake -S . -B $(ASAN_BUILD) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Debug \
	  -DPROTOSCRIBE_GUI=OFF -DPROTOSCRIBE_SANITIZE=ON
	cmake --build $(ASAN_BUILD) -j $(JOBS)
	cd $(ASAN_BUILD) && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
	  ctest --output-on-failure -j $(JOBS)

fuzz-build: deps
	CXX=clang++ cmake -S . -B $(FUZZ_BUILD) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DPROTOSCRIBE_GUI=OFF -DPROTOSCRIBE_TESTS=OFF -DPROTOSCRIBE_FUZZ=ON
	cmake --build $(FUZZ_BUILD) -j $(JOBS)

fuzz-smoke: fuzz-build
	bash tools/run-fuzz.sh $(FUZZ_BUILD) $(FUZZ_SECONDS)

fuzz: fuzz-build
	bash tools/run-fuzz.sh $(FUZZ_BUILD) $(FUZZ_LONG_SECONDS)

test: unit-test asan-test fuzz-smoke
	bash tools/e2e-test.sh $(BUILD)

bench: deps
	cmake -S . -B $(BENCH_BUILD) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Release \
	  -DPROTOSCRIBE_TESTS=OFF -DPROTOSCRIBE_BENCH=ON
	cmake --build $(BENCH_BUILD) -j $(JOBS)
	bash tools/run-bench.sh $(BENCH_BUILD)

# Builds the program and starts it (under xvfb-run when there is no display).
run: program
	bash tools/run-protoscribe.sh $(BUILD)

# The Debian package, then checked: its contents and dependencies, and the
# program it installs, unpacked into a temporary folder and driven end to end.
package: build
	rm -f $(BUILD)/package/*.deb
	cpack --config $(BUILD)/CPackConfig.cmake -B $(BUILD)/package
	bash tools/e2e-test.sh --deb $(BUILD)/package/*.deb

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(FUZZ_BUILD) $(BENCH_BUILD)
