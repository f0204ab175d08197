#!/usr/bin/env bash
# Installs what is missing, builds Lumastrand in Release and starts it. Only
# the program is built; the tests, benchmarks and the packages they need are
# ./test.sh's.
set -euo pipefail
cd "$(dirname "$0")"

scripts/install-deps.sh run
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DLUMASTRAND_BUILD_TESTS=OFF -DLUMASTRAND_BUILD_BENCH=OFF
cmake --build build --parallel --target lumastrand
exec build/app/Lumastrand "$@"
