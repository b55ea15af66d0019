# make run    install what is missing, build, and start the diary
# make test   install what is missing, build, and run every test
# make soak   the random user for 1,000,000 events (EVENTS=n, SEED=n to replay)
BUILD ?= build
JOBS  ?= $(shell nproc)
CMAKE_FLAGS ?=

.PHONY: run test build configure setup bench clean soak

setup:
	@tools/setup.sh

configure: setup
	@cmake -S . -B $(BUILD) -G Ninja $(CMAKE_FLAGS) >/dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

# The program alone: the tests and benchmarks are left to make test.
run: configure
	@cmake --build $(BUILD) -j $(JOBS) --target dirizezoz
	@$(BUILD)/dirizezoz

test: build
	@cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

soak: build
	@seed=$${SEED:-$$(od -An -N4 -tu4 /dev/urandom | tr -d ' ')}; echo "soak seed $$seed"; \
	 cd $(BUILD) && QT_QPA_PLATFORM=offscreen DIARY_MONKEY_EVENTS=$${EVENTS:-1000000} DIARY_MONKEY_SEED=$$seed \
	 ./tests/test_app --gtest_filter='MonkeyTest.*'

bench: build
	@for b in $(BUILD)/bench/bench_*; do echo "== $$b"; QT_QPA_PLATFORM=offscreen $$b; done

clean:
	rm -rf $(BUILD) build-asan
