#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the libFuzzer targets of the file readers with clang and runs each
# for a bounded time.
#   scripts/fuzz.sh [seconds] [target...]
#     seconds   per target, default 600
#     target    fuzz_datafile, fuzz_ratetablefile (default: both)
# The committed seeds in fuzz/corpus (shared: each reader must also refuse
# the other's files) stay untouched; new inputs go to build-fuzz/corpus/<target>,
# crash reproducers to build-fuzz/artifacts.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds="${1:-600}"
shift || true
targets=("$@")
[ ${#targets[@]} -eq 0 ] && targets=(fuzz_datafile fuzz_ratetablefile)
dir=build-fuzz

./scripts/install-deps.sh
CC=clang CXX=clang++ cmake -S . -B "$dir" -DFENOVERRA_FUZZ=ON >/dev/null
cmake --build "$dir" -j2 --target "${targets[@]}"

mkdir -p "$dir/artifacts"
for target in "${targets[@]}"; do
  mkdir -p "$dir/corpus/$target"
  "$dir/fuzz/$target" \
    -max_total_time="$seconds" \
    -max_len=8192 \
    -dict=fuzz/datafile.dict \
    -artifact_prefix="$dir/artifacts/$target-" \
    -print_final_stats=1 \
    "$dir/corpus/$target" fuzz/corpus
done
