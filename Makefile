# The two commands of the README, and the benchmarks.
BUILD ?= build

.PHONY: run test bench fuzz deps configure build clean

deps:
	@scripts/install-deps

configure: deps
	@test -f $(BUILD)/build.ninja || cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Release

build: configure
	@cmake --build $(BUILD)

run: build
	$(BUILD)/src/ostrel

test: build
	@cd $(BUILD) && ctest --output-on-failure -j 2

bench: configure
	@cmake --build $(BUILD) --target bench_scan bench_mp3 bench_search bench_startup
	$(BUILD)/bench/bench_scan
	$(BUILD)/bench/bench_mp3
	$(BUILD)/bench/bench_search
	$(BUILD)/bench/bench_startup

# Fuzzes the configuration reader for FUZZ_SECONDS (600 by default) on a
# working copy of the seed corpus.
FUZZ_SECONDS ?= 600
fuzz: deps
	@test -f build-fuzz/build.ninja || CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja \
	  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DOSTREL_FUZZ=ON
	@cmake --build build-fuzz --target config_fuzz
	@mkdir -p build-fuzz/corpus && cp -n fuzz/corpus/config/* build-fuzz/corpus/
	build-fuzz/fuzz/config_fuzz -max_total_time=$(FUZZ_SECONDS) -timeout=10 -rss_limit_mb=4096 \
	  build-fuzz/corpus fuzz/corpus/config

clean:
	rm -rf $(BUILD) build-fuzz
