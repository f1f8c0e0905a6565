#!/usr/bin/env bash
# Installs what the tests need, builds Tonik and its tests, and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/setup.sh
cmake -S . -B build-tests -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTONIK_BUILD_TESTS=ON
cmake --build build-tests
cd build-tests
exec ctest --output-on-failure -j2
