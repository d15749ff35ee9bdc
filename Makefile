# The two set-up commands of the README: `make demo` and `make test`.

BUILD_DIR ?= build
TEST_DIR  ?= build-test
JOBS      ?= $(shell nproc)
CMAKE_GEN := $(shell command -v ninja >/dev/null 2>&1 && echo "-G Ninja")

.PHONY: all deps build test demo medium clean

all: build

deps:
	@scripts/install-deps

build: deps
	@cmake -S . -B $(BUILD_DIR) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
	@cmake --build $(BUILD_DIR) -j $(JOBS)

# Tests run under AddressSanitizer and UndefinedBehaviorSanitizer.
test: deps
	@cmake -S . -B $(TEST_DIR) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Debug -DKOVU3_SANITIZE=ON \
	    -DCMAKE_CXX_FLAGS_DEBUG="-g -O1" >/dev/null
	@cmake --build $(TEST_DIR) -j $(JOBS)
	@cd $(TEST_DIR) && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
	    ctest --output-on-failure -j $(JOBS)

demo: build
	@scripts/demo $(BUILD_DIR)

# An installation medium in medium/: setup, setup.txt, prog.dsk and veri.dsk.
medium: build
	@scripts/make-medium $(BUILD_DIR) medium

clean:
	rm -rf $(BUILD_DIR) $(TEST_DIR)
