# Set-up, build, run and test on a Debian 12 machine.
BUILD     ?= build
COREBUILD ?= build-core
ASANBUILD ?= build-asan
FUZZBUILD ?= build-fuzz
FUZZ_SECONDS ?= 60
JOBS      ?= $(shell nproc)

.PHONY: all bootstrap configure build run test test-main test-core test-asan bench fuzz clean

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

# The whole suite, then the core built without Qt (so the layering cannot
# break unseen), then the whole suite again under AddressSanitizer and
# UndefinedBehaviorSanitizer.
test: test-main test-core test-asan

test-main: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

test-core: bootstrap
	cmake -S . -B $(COREBUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVEMO_BUILD_UI=OFF -DVEMO_BUILD_BENCH=OFF
	cmake --build $(COREBUILD) -j $(JOBS)
	cd $(COREBUILD) && ctest --output-on-failure -j $(JOBS)

SANITIZER_ENV = QT_QPA_PLATFORM=offscreen \
  ASAN_OPTIONS=detect_leaks=1 \
  LSAN_OPTIONS=suppressions=$(CURDIR)/scripts/lsan-suppressions.txt:print_suppressions=0 \
  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

test-asan: bootstrap
	cmake -S . -B $(ASANBUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG="-O1 -g1" \
	  -DVEMO_SANITIZE=ON -DVEMO_BUILD_BENCH=OFF
	$(SANITIZER_ENV) cmake --build $(ASANBUILD) -j $(JOBS)
	cd $(ASANBUILD) && $(SANITIZER_ENV) ctest --output-on-failure -j $(JOBS)

bench: build
	@for b in $(BUILD)/bin/bench_*; do echo "== $$b"; $$b || exit 1; done

fuzz: bootstrap
	CC=clang CXX=clang++ cmake -S . -B $(FUZZBUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DVEMO_BUILD_FUZZ=ON -DVEMO_BUILD_UI=OFF -DVEMO_BUILD_TESTS=OFF -DVEMO_BUILD_BENCH=OFF
	cmake --build $(FUZZBUILD) -j $(JOBS)
	scripts/run-fuzzers $(FUZZBUILD)/bin $(FUZZ_SECONDS)

clean:
	rm -rf $(BUILD) $(COREBUILD) $(ASANBUILD) $(FUZZBUILD)
