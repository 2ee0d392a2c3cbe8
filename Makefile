# The two everyday commands. Both install what the build needs first.
#   make run    build and start the game
#   make test   build with warnings as errors and run every test headless

.PHONY: deps run test asan fuzz bench clean

deps:
	@bash scripts/install-deps.sh

run: deps
	cmake --preset release
	cmake --build --preset release
	./build/release/app/zibbet

test: deps
	cmake --preset ci
	cmake --build --preset ci
	ctest --preset ci

asan: deps
	cmake --preset asan
	cmake --build --preset asan
	ctest --preset asan

fuzz:
	@WITH_FUZZER=1 bash scripts/install-deps.sh
	cmake --preset fuzz
	cmake --build --preset fuzz
	./build/fuzz/tests/fuzz/core_fuzzer -max_total_time=$${FUZZ_SECONDS:-30}

bench: deps
	cmake --preset release
	cmake --build --preset release
	./build/release/bench/core_bench

clean:
	rm -rf build
