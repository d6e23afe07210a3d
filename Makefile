# Front door: `make run` and `make test` install what is missing first.
BUILD_DIR ?= build
ASAN_DIR  ?= build-asan
JOBS      ?= $(shell nproc)
CMAKE_FLAGS ?=

.PHONY: all deps configure build run test asan bench screenshots clean

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

bench: build
	@for b in $(BUILD_DIR)/bench/*/bench_*; do case "$$b" in */startup/*) continue;; esac; [ -x "$$b" ] && "$$b"; done
	@bench/startup/run.sh $(BUILD_DIR)

# PNGs of the bar in every colour scheme and button view, under docs/screenshots.
screenshots: configure
	@cmake --build $(BUILD_DIR) --target lumora_screenshots -j$(JOBS)
	QT_QPA_PLATFORM=offscreen $(BUILD_DIR)/tools/screenshots/lumora_screenshots $(CURDIR)/docs/screenshots

clean:
	rm -rf $(BUILD_DIR) $(ASAN_DIR)
