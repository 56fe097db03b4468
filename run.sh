#!/usr/bin/env bash
# Installs what is missing, builds and starts Fenoverra.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/install-deps.sh
cmake -S . -B build >/dev/null
cmake --build build -j"$(nproc)" --target fenoverra
exec ./build/fenoverra "$@"
