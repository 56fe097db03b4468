#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds and runs every test offscreen.
# ./test.sh          normal build (build/)
# ./test.sh asan     AddressSanitizer + UndefinedBehaviorSanitizer build (build-asan/)
set -euo pipefail
cd "$(dirname "$0")"
./scripts/install-deps.sh
./scripts/check-layers.sh
./scripts/check-format.sh
./scripts/check-spdx.sh

mode="${1:-normal}"
case "$mode" in
  normal) dir=build; extra=(-DFENOVERRA_BENCH=ON) ;;
  asan)   dir=build-asan; extra=(-DFENOVERRA_SANITIZE=ON -DFENOVERRA_BENCH=OFF -DCMAKE_BUILD_TYPE=Debug) ;;
  *) echo "usage: $0 [asan]" >&2; exit 2 ;;
esac

# Every warning an error, and the tests built, whatever an earlier configure chose.
cmake -S . -B "$dir" -DFENOVERRA_WERROR=ON -DBUILD_TESTING=ON "${extra[@]}" >/dev/null
cmake --build "$dir" -j"$(nproc)"
export QT_QPA_PLATFORM=offscreen
if [ "$mode" = asan ]; then
  export ASAN_OPTIONS=detect_leaks=1:abort_on_error=0
  export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
  # Caches that outside libraries keep until the process ends, each named
  # with the reason; our own code has no entry there.
  export LSAN_OPTIONS=suppressions="$PWD/scripts/lsan.supp":print_suppressions=0
fi
ctest --test-dir "$dir" --output-on-failure -j"$(nproc)"
