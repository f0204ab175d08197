#!/usr/bin/env bash
# Installs what is missing, builds Lumastrand in Release and starts it.
set -euo pipefail
cd "$(dirname "$0")"

scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release
cmake --build build --parallel
exec build/app/Lumastrand "$@"
