# A thin front over CMake. `make run` and `make test` each install what is missing first.
BUILD_DIR ?= build
JOBS ?= $(shell nproc 2>/dev/null || echo 2)

.PHONY: all deps configure build run test shots bench package clean

all: build

deps:
	@scripts/ensure-deps.sh

configure: deps
	@test -f $(BUILD_DIR)/CMakeCache.txt || cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: configure
	@cmake --build $(BUILD_DIR) --parallel $(JOBS)

run: build
	@$(BUILD_DIR)/zeigerdiplom

test: build
	@cd $(BUILD_DIR) && ctest --output-on-failure --timeout 300

# Screenshots and layout dumps of every screen, for checking layouts by eye and by script.
shots: build
	@$(BUILD_DIR)/zeigerdiplom-shots $(BUILD_DIR)/shots
	@echo "written to $(BUILD_DIR)/shots"

bench: build
	@QT_QPA_PLATFORM=offscreen $(BUILD_DIR)/zeigerdiplom-bench

# The Debian package, zeigerdiplom_VERSION_amd64.deb, in the build folder.
package: build
	@cd $(BUILD_DIR) && cpack -G DEB

clean:
	rm -rf $(BUILD_DIR)
