# Thin wrapper: setup installs the Debian packages, CMake does the rest.
MAKEFLAGS  += --no-print-directory
BUILD      := build
BUILD_SAN  := build-sanitize
JOBS       ?= $(shell nproc)
CONFIGURE  := cmake -S . -DCMAKE_BUILD_TYPE=RelWithDebInfo -Wno-dev --log-level=WARNING

.PHONY: setup build build-sanitize run test bench contact-sheet clean

setup:
	@scripts/setup

build: setup
	@$(CONFIGURE) -B $(BUILD) >/dev/null
	@cmake --build $(BUILD) -j$(JOBS)

build-sanitize: setup
	@$(CONFIGURE) -B $(BUILD_SAN) -DVELMORA_SANITIZE=ON >/dev/null
	@cmake --build $(BUILD_SAN) -j$(JOBS)

run: build
	./$(BUILD)/velmora

# Unit tests twice (plain and sanitized), end-to-end tests once, on the plain build.
test: build build-sanitize
	cd $(BUILD_SAN) && ctest --output-on-failure -LE e2e
	cd $(BUILD) && ctest --output-on-failure

bench: build
	./$(BUILD)/bench/velmora-bench

# Every picture of the image list, magnified on the band colour, for a person to look at.
contact-sheet: build
	./$(BUILD)/tools/contact-sheet $(BUILD)/contact-sheet.png

clean:
	rm -rf $(BUILD) $(BUILD_SAN)
