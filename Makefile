# The two commands of the README, and the benchmarks.
BUILD ?= build

.PHONY: run test asan bench fuzz deps configure build clean

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

# Every test again, built with AddressSanitizer and UndefinedBehaviorSanitizer.
asan: deps
	@test -f build-asan/build.ninja || cmake -S . -B build-asan -G Ninja \
	  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DOSTREL_SANITIZE=ON
	@cmake --build build-asan
	@cd build-asan && ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
	  UBSAN_OPTIONS=print_stacktrace=1 ctest --output-on-failure -j 2

bench: configure
	@cmake --build $(BUILD) --target bench_scan bench_mp3 bench_search bench_startup
	$(BUILD)/bench/bench_scan
	$(BUILD)/bench/bench_mp3
	$(BUILD)/bench/bench_search
	$(BUILD)/bench/bench_startup

# Fuzzes each reader of outside bytes (the configuration file, the MP3 and
# WAV length readers) for FUZZ_SECONDS (600 by default) on a working copy of
# its seed corpus.
FUZZ_SECONDS ?= 600
FUZZ_TARGETS ?= config mp3 wav
fuzz: deps
	@test -f build-fuzz/build.ninja || CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja \
	  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DOSTREL_FUZZ=ON
	@cmake --build build-fuzz --target $(addsuffix _fuzz,$(FUZZ_TARGETS))
	@for t in $(FUZZ_TARGETS); do \
	  mkdir -p build-fuzz/corpus/$$t; cp -n fuzz/corpus/$$t/* build-fuzz/corpus/$$t/ 2>/dev/null; \
	  build-fuzz/fuzz/$${t}_fuzz -max_total_time=$(FUZZ_SECONDS) -timeout=10 -rss_limit_mb=4096 \
	    build-fuzz/corpus/$$t fuzz/corpus/$$t || exit 1; \
	done

clean:
	rm -rf $(BUILD) build-asan build-fuzz
