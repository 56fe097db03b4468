#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds and starts Fenoverra:
#   ./run.sh [FILE]     FILE, a data or table file, opens at start
set -euo pipefail
# A file named from another folder, found before leaving it.
files=()
for file in "$@"; do files+=("$(realpath -m -- "$file")"); done
cd "$(dirname "$0")"
./scripts/install-deps.sh
cmake -S . -B build >/dev/null
cmake --build build -j"$(nproc)" --target fenoverra
exec ./build/fenoverra "${files[@]}"
