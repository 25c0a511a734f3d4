# The two commands of the README: `make run` and `make test`. Both install
# what is missing, configure and build first.
BUILD ?= build
BUILD_TYPE ?= RelWithDebInfo
JOBS ?= $(shell nproc)

.PHONY: run test build configure deps clean screenshots

run: build
	@scripts/run-app $(BUILD)/app/tfcc-application

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

build: configure
	cmake --build $(BUILD) -j $(JOBS)

configure: deps
	@[ -f $(BUILD)/CMakeCache.txt ] || cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=$(BUILD_TYPE)

deps:
	@scripts/install-deps

screenshots: build
	scripts/screenshots $(BUILD)

clean:
	rm -rf $(BUILD)
