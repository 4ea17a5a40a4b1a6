# The two everyday commands: `make run` (build and show the start-up calculation, or the
# window where a display exists) and `make test` (build and run every test).
BUILD ?= build
ASAN_BUILD ?= build-asan
JOBS ?= $(shell nproc)

FUZZ_SECONDS ?= 15

.PHONY: run test build deps asan-test bench fuzz package clean

deps:
	@scripts/install-deps.sh --check 2>/dev/null || scripts/install-deps.sh

$(BUILD)/build.ninja: | deps
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: deps $(BUILD)/build.ninja
	cmake --build $(BUILD) -j $(JOBS)

run: build
	@scripts/run.sh $(BUILD)

test: build
	ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)

# Unit tests under AddressSanitizer and UndefinedBehaviorSanitizer.
asan-test: deps
	cmake -S . -B $(ASAN_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DZARNIX_SANITIZE=ON -DZARNIX_BENCH=OFF
	cmake --build $(ASAN_BUILD) -j $(JOBS)
	ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
	  ctest --test-dir $(ASAN_BUILD) --output-on-failure -j $(JOBS) -L unit

# The fuzz targets under clang with ASan and UBSan, FUZZ_SECONDS each (a minute in all).
fuzz: deps
	JOBS=$(JOBS) scripts/fuzz.sh $(FUZZ_SECONDS)

# The Debian package $(BUILD)/zarnix_VERSION_amd64.deb (CPack; see packaging/).
package: build
	cmake --build $(BUILD) --target package

bench: build
	@for b in $(BUILD)/bin/*_bench; do echo "== $$b"; $$b; done

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) build-fuzz
