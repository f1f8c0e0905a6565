#!/usr/bin/env bash
# Installs what Tonik needs, builds it and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/setup.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DTONIK_BUILD_TESTS=OFF
cmake --build build --target tonik
exec ./build/tonik "$@"
