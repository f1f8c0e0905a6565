#!/usr/bin/env bash
# Installs what the tests need, builds Tonik and its tests, and runs every test:
# once in a plain build, then once more under AddressSanitizer and
# UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/setup.sh

cmake -S . -B build-tests -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTONIK_BUILD_TESTS=ON
cmake --build build-tests
(cd build-tests && ctest --output-on-failure -j2)

cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTONIK_BUILD_TESTS=ON -DTONIK_SANITIZE=ON
cmake --build build-sanitize
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export LSAN_OPTIONS=suppressions=$PWD/tests/lsan.supp:print_suppressions=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
cd build-sanitize
exec ctest --output-on-failure -j2
