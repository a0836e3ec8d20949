# SPDX-License-Identifier: MIT
# The two commands: `make run` builds and starts kadrel, `make test` builds and
# runs every test. Both install missing Debian packages first: `make run` only
# what building and running need, `make test` the test kit too.
# `make install PREFIX=...` installs there (DESTDIR is honoured); `make
# package` writes the Debian package kadrel_<version>_<arch>.deb into BUILD.
BUILD ?= build
PREFIX ?= /usr/local
ASAN_BUILD ?= build-asan
JOBS ?= $(shell nproc)
SOURCES = $(shell git ls-files '*.cpp' '*.h' 2>/dev/null)

.PHONY: all deps build program run test install package sanitize format-check bench fuzz clean

all: build

deps:
	@scripts/install-deps test

build: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=ON -DKADREL_BENCH=ON
	cmake --build $(BUILD) -j $(JOBS)

# The program's own packages and build folder: a folder made here leaves the
# tests and benchmarks out, one that `make test` made keeps them.
KIT = run
program:
	@scripts/install-deps $(KIT)
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo \
		$(if $(wildcard $(BUILD)/CMakeCache.txt),,-DBUILD_TESTING=OFF -DKADREL_BENCH=OFF)

run: program
	cmake --build $(BUILD) -j $(JOBS) --target kadrel
	$(BUILD)/kadrel

test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

install: program
	cmake --build $(BUILD) -j $(JOBS)
	cmake --install $(BUILD) --prefix $(PREFIX)

package: KIT = package
package: program
	cmake --build $(BUILD) -j $(JOBS)
	cd $(BUILD) && cpack

# The same tests built with AddressSanitizer and UndefinedBehaviorSanitizer.
sanitize: deps
	cmake -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DKADREL_SANITIZE=ON
	cmake --build $(ASAN_BUILD) -j $(JOBS)
	cd $(ASAN_BUILD) && \
	ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
	LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp:print_suppressions=0 \
	UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	ctest --output-on-failure -j $(JOBS)

# Start-up, memory, recompute and drag against their budgets, release build.
bench: deps
	cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF
	cmake --build build-bench -j $(JOBS)
	xvfb-run -a -s "-screen 0 1280x1024x24" ./build-bench/kadrel_bench

# Each fuzz target for FUZZ_SECONDS, from the seeds in fuzz/corpus.
FUZZ_SECONDS ?= 60
fuzz: deps
	CC=clang CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo \
		-DKADREL_FUZZ=ON -DBUILD_TESTING=OFF
	cmake --build build-fuzz -j $(JOBS)
	scripts/fuzz $(FUZZ_SECONDS)

format-check: deps
	clang-format --dry-run --Werror $(SOURCES)

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) build-bench build-fuzz
