#!/usr/bin/env bash
# Builds the libFuzzer target of the data-file reader with clang and runs it
# for a bounded time.
#   scripts/fuzz.sh [seconds]     default 600
# The committed seeds in fuzz/corpus stay untouched; new inputs go to
# build-fuzz/corpus, crash reproducers to build-fuzz/artifacts.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds="${1:-600}"
dir=build-fuzz

./scripts/install-deps.sh
CC=clang CXX=clang++ cmake -S . -B "$dir" -DFENOVERRA_FUZZ=ON >/dev/null
cmake --build "$dir" -j2 --target fuzz_datafile

mkdir -p "$dir/corpus/datafile" "$dir/artifacts"
exec "$dir/fuzz/fuzz_datafile" \
  -max_total_time="$seconds" \
  -max_len=8192 \
  -dict=fuzz/datafile.dict \
  -artifact_prefix="$dir/artifacts/" \
  -print_final_stats=1 \
  "$dir/corpus/datafile" fuzz/corpus
