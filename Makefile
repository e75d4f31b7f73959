# The two commands of the README, and the benchmarks.
BUILD ?= build

.PHONY: run test bench deps configure build clean

deps:
	@scripts/install-deps

configure: deps
	@test -f $(BUILD)/build.ninja || cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Release

build: configure
	@cmake --build $(BUILD)

run: build
	$(BUILD)/src/ostrel-cli --help

test: build
	@cd $(BUILD) && ctest --output-on-failure -j 2

bench: configure
	@cmake --build $(BUILD) --target bench_scan bench_mp3 bench_search
	$(BUILD)/bench/bench_scan
	$(BUILD)/bench/bench_mp3
	$(BUILD)/bench/bench_search

clean:
	rm -rf $(BUILD)
