#!/usr/bin/env bash
# Installs what is missing, builds Orvel with warnings as errors and runs every test.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DORVEL_WERROR=ON
cmake --build build
ctest --test-dir build --output-on-failure -j "$(nproc)"
