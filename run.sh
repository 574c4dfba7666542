#!/usr/bin/env bash
# Installs what is missing, builds Orvel and starts it with the given arguments.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build --target orvel
exec ./build/orvel "$@"
