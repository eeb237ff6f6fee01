# The two commands a developer needs: `make run` and `make test`. Both install
# what is missing first (tools/install-deps is idempotent and fast when done).

ARGS ?=
RUN_PREFIX := $(CURDIR)/build/run/wineprefix

.PHONY: all deps native sanitize fuzz win64 dist test test-native test-sanitize test-fuzz test-win64 run clean

all: native win64

deps:
	@tools/install-deps

native: deps
	cmake --preset native >/dev/null
	cmake --build --preset native

# The core's tests again, with AddressSanitizer and UndefinedBehaviorSanitizer.
sanitize: deps
	cmake --preset sanitize >/dev/null
	cmake --build --preset sanitize

# libFuzzer targets over the core (clang).
fuzz: deps
	cmake --preset fuzz >/dev/null
	cmake --build --preset fuzz

win64: deps
	cmake --preset win64 >/dev/null
	cmake --build --preset win64

test-native: native
	ctest --preset native

test-sanitize: sanitize
	ctest --preset sanitize

# A few seconds a target; `tools/fuzz 600` is the long run.
test-fuzz: fuzz
	tools/fuzz 3

# build/dist/HLDS-Vantry-<version>.zip: HLDS Vantry.exe and its user guide.
dist: win64
	cmake --build --preset win64 --target dist

# The Windows tests unpack the zip and run the program from it.
test-win64: dist
	tools/with-wine ctest --preset win64

test: test-native test-sanitize test-fuzz test-win64

run: win64
	WINEPREFIX=$(RUN_PREFIX) tools/with-wine tools/run-program $(ARGS)

clean:
	tests/windows/volumes.sh unmount build/win64/volumes
	rm -rf build
