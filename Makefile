# The two commands of the README: `make run` and `make test`. Both install
# what is missing, configure and build first.
BUILD ?= build
BUILD_TYPE ?= RelWithDebInfo
JOBS ?= $(shell nproc)
# The memory checks: clang, AddressSanitizer and UndefinedBehaviorSanitizer.
SANITIZE_BUILD ?= build-asan
SANITIZE_ENV = ASAN_OPTIONS=detect_leaks=1 \
	LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp \
	UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

.PHONY: bench run test test-main test-sanitizers build configure deps clean screenshots package fresh-check windows arm64 web web-serve

run: build
	@scripts/run-app $(BUILD)/app/tfcc-application

test: test-main test-sanitizers

test-main: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# Every test again, and the page fuzz target for a bounded time, with the
# sanitizers: any report fails the test that made it. The package checks only
# look at installed files, so they run once, above.
test-sanitizers: deps
	@[ -f $(SANITIZE_BUILD)/CMakeCache.txt ] || cmake -S . -B $(SANITIZE_BUILD) \
		-DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ -DTFCC_SANITIZE=ON
	cmake --build $(SANITIZE_BUILD) -j $(JOBS)
	cd $(SANITIZE_BUILD) && $(SANITIZE_ENV) QT_QPA_PLATFORM=offscreen \
		ctest --output-on-failure -j $(JOBS) -E '^installed_'

build: configure
	cmake --build $(BUILD) -j $(JOBS)

configure: deps
	@[ -f $(BUILD)/CMakeCache.txt ] || cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=$(BUILD_TYPE)

deps:
	@scripts/install-deps

# The Debian package, in $(BUILD)/, ready for `apt install`.
package: build
	cmake --build $(BUILD) --target package

screenshots: build
	scripts/screenshots $(BUILD)
	@if [ -f build-web/CMakeCache.txt ]; then scripts/web-build --pictures docs; \
	else echo "screenshots: no pictures in a browser without build-web (make web first)"; fi

# Start-up, Preview, Print and memory against the floor programs and the peer,
# with the machine's fonts and a desktop's, in one table (see docs/speed.md);
# a release build of its own.
BENCH_BUILD ?= build-bench
bench: deps
	@cmake -S . -B $(BENCH_BUILD) -DCMAKE_BUILD_TYPE=Release -DTFCC_BENCH=ON >/dev/null
	@cmake --build $(BENCH_BUILD) -j $(JOBS) --target tfcc-application tfcc-floor tfcc-textfloor tfcc-mapwatch tfcc-bench-page \
		>$(BENCH_BUILD)/bench-build.log || { cat $(BENCH_BUILD)/bench-build.log; false; }
	@bench/run-bench $(BENCH_BUILD)

# The README's `make test` and `make run` in a brand-new Debian root, from a
# clean clone of the committed HEAD (see Contributing in the README). As root.
# SUITE=bookworm, trixie (the default) or forky, or all for the three in turn.
SUITE ?= trixie
fresh-check:
	@scripts/fresh-check $(SUITE)

# The program for 64-bit Windows, built here from Debian's parts (Qt from
# Debian's source, MinGW-w64, NSIS), tested under Wine: an installer and a zip
# in build-windows/. The toolkit is built once into /var/tmp/tfcc-windows.
windows:
	@scripts/windows-build

# The Debian package for 64-bit ARM (a Raspberry Pi, an ARM Chromebook's
# Linux): cross-built from Debian's arm64 parts in a root of this release with
# arm64 added, kept in /var/tmp/tfcc-arm64, so that this machine's dpkg keeps
# its architectures; tested under qemu-user. As root.
arm64:
	@scripts/arm64-build

# The program in a web browser, built here from Debian's parts (Qt from Debian
# 13's source, emscripten), tested in Debian's Chromium: a web site in
# build-web/site. The toolkit is built once into /var/tmp/tfcc-web; on Debian
# 12 the build runs in a Debian 13 root kept there. As root.
web:
	@scripts/web-build

# Serves build-web/site on http://localhost:$(PORT)/ for trying it in a browser.
PORT ?= 8080
web-serve:
	@[ -f build-web/site/index.html ] || { echo "make web first: build-web/site is not there"; exit 1; }
	@command -v node >/dev/null || scripts/install-deps web
	node web/serve.js build-web/site $(PORT)

clean:
	rm -rf $(BUILD) $(SANITIZE_BUILD) build-windows build-arm64 build-web
