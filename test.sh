#!/usr/bin/env bash
# Installs what is missing, builds Lumastrand and runs the whole test suite
# headless: once in Release and once under AddressSanitizer and
# UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")"

scripts/install-deps.sh test

jobs=$(nproc)

# The options are given: ./run.sh turns tests and benchmarks off in this folder.
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DLUMASTRAND_BUILD_TESTS=ON -DLUMASTRAND_BUILD_BENCH=ON \
    -DLUMASTRAND_BUILD_TOOLS=ON
cmake --build build --parallel "$jobs"
ctest --test-dir build --output-on-failure --parallel "$jobs" --timeout 600

cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DLUMASTRAND_SANITIZE=ON -DLUMASTRAND_BUILD_BENCH=OFF
cmake --build build-asan --parallel "$jobs"
export ASAN_OPTIONS="detect_leaks=1"
export LSAN_OPTIONS="suppressions=$PWD/scripts/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
ctest --test-dir build-asan --output-on-failure --parallel "$jobs" --timeout 900
