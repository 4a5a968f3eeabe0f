# A thin front over CMake. `make run` and `make test` each install what is missing first.
BUILD_DIR ?= build
SANITIZE_DIR ?= $(BUILD_DIR)/sanitize
JOBS ?= $(shell nproc 2>/dev/null || echo 2)

.PHONY: all deps configure build run test test-sanitize fuzz-merge shots bench package clean

all: build

deps:
	@scripts/ensure-deps.sh

configure: deps
	@test -f $(BUILD_DIR)/CMakeCache.txt || cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: configure
	@cmake --build $(BUILD_DIR) --parallel $(JOBS)

run: build
	@$(BUILD_DIR)/zeigerdiplom

# Every test, then every test again in a build with AddressSanitizer and UndefinedBehaviorSanitizer.
test: build
	@cd $(BUILD_DIR) && ctest --output-on-failure --timeout 300
	@$(MAKE) --no-print-directory test-sanitize

# What the sanitizers report fails the test that ran into it. Leaks proven to lie inside Qt and
# the libraries under it are suppressed in tests/sanitizers/lsan.supp, each with its reason.
# strict_string_checks stays off: it takes libxkbcommon's lawful strndup of a keymap name that
# has no terminating NUL (while Qt connects to the X server) for an overflow.
SANITIZE_ENV = ASAN_OPTIONS=detect_leaks=1:detect_stack_use_after_return=1 \
	LSAN_OPTIONS=suppressions=$(CURDIR)/tests/sanitizers/lsan.supp:print_suppressions=0 \
	UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

test-sanitize: deps
	@test -f $(SANITIZE_DIR)/CMakeCache.txt || cmake -S . -B $(SANITIZE_DIR) -DZD_SANITIZE=ON \
		-DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -g" >/dev/null
	@$(SANITIZE_ENV) cmake --build $(SANITIZE_DIR) --parallel $(JOBS) -- --no-print-directory >$(SANITIZE_DIR).log 2>&1 \
		|| { cat $(SANITIZE_DIR).log; exit 1; }
	@echo "Sanitizer build: running every test again"
	@cd $(SANITIZE_DIR) && $(SANITIZE_ENV) ctest --output-on-failure --timeout 600 -E '^fuzz_'

# Runs the fuzz target for ten minutes and keeps what it found in the tree's corpus.
fuzz-merge: configure
	@scripts/fuzz.sh $(CURDIR)/$(BUILD_DIR)/fuzz 600 --merge

# Screenshots and layout dumps of every screen, for checking layouts by eye and by script.
shots: build
	@$(BUILD_DIR)/zeigerdiplom-shots $(BUILD_DIR)/shots
	@echo "written to $(BUILD_DIR)/shots"

# The benchmark table: the program against a bare Qt window under a private Xvfb.
bench: build
	@bench/run.sh $(BUILD_DIR)

# The Debian package, zeigerdiplom_VERSION_amd64.deb, in the build folder.
package: build
	@cd $(BUILD_DIR) && cpack -G DEB

clean:
	rm -rf $(BUILD_DIR)
