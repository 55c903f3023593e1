# Set-up, build, run and test on a Debian 12 machine.
BUILD     ?= build
FUZZBUILD ?= build-fuzz
FUZZ_SECONDS ?= 60
JOBS      ?= $(shell nproc)

.PHONY: all bootstrap configure build run test bench fuzz clean

all: build

bootstrap:
	@scripts/bootstrap

$(BUILD)/build.ninja:
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo

configure: $(BUILD)/build.ninja

build: bootstrap configure
	cmake --build $(BUILD) -j $(JOBS)

run: build
	$(BUILD)/bin/VeMo -open examples/demo.qgm

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

bench: build
	@for b in $(BUILD)/bin/bench_*; do echo "== $$b"; $$b || exit 1; done

fuzz: bootstrap
	CC=clang CXX=clang++ cmake -S . -B $(FUZZBUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DVEMO_BUILD_FUZZ=ON -DVEMO_BUILD_UI=OFF -DVEMO_BUILD_TESTS=OFF -DVEMO_BUILD_BENCH=OFF
	cmake --build $(FUZZBUILD) -j $(JOBS)
	scripts/run-fuzzers $(FUZZBUILD)/bin $(FUZZ_SECONDS)

clean:
	rm -rf $(BUILD) $(FUZZBUILD)
