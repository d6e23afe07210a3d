# SPDX-FileCopyrightText: 2026 The Lumora developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Front door: `make run` and `make test` install what is missing first.
BUILD_DIR ?= build
ASAN_DIR  ?= build-asan
FUZZ_DIR  ?= build-fuzz
FUZZ_SECONDS ?= 60
JOBS      ?= $(shell nproc)
CMAKE_FLAGS ?=

.PHONY: all deps configure build run test asan fuzz bench screenshots install uninstall package clean format format-check lint

all: build

deps:
	@./scripts/install-deps.sh

configure: deps
	@cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_FLAGS) >/dev/null

build: configure
	@cmake --build $(BUILD_DIR) -j$(JOBS)

run: build
	$(BUILD_DIR)/src/lumora

test: build
	cd $(BUILD_DIR) && ctest --output-on-failure -j$(JOBS)

# The suite under AddressSanitizer and UndefinedBehaviorSanitizer.
asan: deps
	@cmake -S . -B $(ASAN_DIR) -DCMAKE_BUILD_TYPE=Debug -DLUMORA_SANITIZE=ON -DLUMORA_BUILD_BENCH=OFF $(CMAKE_FLAGS) >/dev/null
	@cmake --build $(ASAN_DIR) -j$(JOBS)
	cd $(ASAN_DIR) && ASAN_OPTIONS=detect_leaks=1 LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp \
	  UBSAN_OPTIONS=print_stacktrace=1 ctest --output-on-failure -j$(JOBS)

# Each libFuzzer target for FUZZ_SECONDS on a scratch copy of its corpus
# (under fuzz/corpus-work), then what it found. The targets need clang.
FUZZ_TARGETS = $(addprefix fuzz_,$(notdir $(wildcard fuzz/corpus/*)))
fuzz: deps
	@cmake -S . -B $(FUZZ_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ -DLUMORA_FUZZ=ON -DLUMORA_BUILD_BENCH=OFF $(CMAKE_FLAGS) >/dev/null
	@cmake --build $(FUZZ_DIR) --target $(FUZZ_TARGETS) -j$(JOBS)
	@scripts/fuzz.sh $(FUZZ_DIR) $(FUZZ_SECONDS)

bench: build
	@for b in $(BUILD_DIR)/bench/*/bench_*; do case "$$b" in */startup/*|*/idle/*|*/summon/*) continue;; esac; [ -x "$$b" ] && "$$b"; done
	@bench/startup/run.sh $(BUILD_DIR)
	@bench/startup/instructions.sh $(BUILD_DIR)
	@bench/summon/run.sh $(BUILD_DIR)
	@bench/idle/run.sh $(BUILD_DIR)

# PNGs of the bar in every colour scheme and button view, under docs/screenshots.
screenshots: configure
	@cmake --build $(BUILD_DIR) --target lumora_screenshots -j$(JOBS)
	QT_QPA_PLATFORM=offscreen $(BUILD_DIR)/tools/screenshots/lumora_screenshots $(CURDIR)/docs/screenshots

# Installs under PREFIX (default /usr/local); DESTDIR stages it elsewhere.
PREFIX ?= /usr/local
install: build
	cmake --install $(BUILD_DIR) --prefix $(PREFIX)

# Removes exactly what the last install put there.
uninstall:
	@if [ -f $(BUILD_DIR)/install_manifest.txt ]; then \
	  xargs -d '\n' rm -fv -- < $(BUILD_DIR)/install_manifest.txt; \
	else echo "Nothing to uninstall: $(BUILD_DIR)/install_manifest.txt is missing."; fi

# A Debian package in $(BUILD_DIR)/.
package: build
	cd $(BUILD_DIR) && cpack -G DEB

# One style for the tree (.clang-format); format-check fails on any difference.
FORMAT_FILES = $(shell git ls-files '*.cpp' '*.h')
format: deps
	@clang-format -i $(FORMAT_FILES)

format-check: deps lint
	@clang-format --dry-run -Werror $(FORMAT_FILES)

# Rules clang-format cannot see: no QtTest macros in GoogleTest files
# (scripts/lint.sh), and every file says its licence, or .reuse/dep5 says it
# for the files that cannot (new files get their lines from
# scripts/spdx-headers.sh).
lint: deps
	@scripts/lint.sh
	@reuse lint --quiet || reuse lint

clean:
	rm -rf $(BUILD_DIR) $(ASAN_DIR) $(FUZZ_DIR) fuzz/corpus-work
