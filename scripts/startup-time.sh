#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Time from launch to the first window shown, Fenoverra beside a bare Qt
# window (tools/barewindow.cpp: with one line of text, and empty), and the
# peak memory of each:
#   scripts/startup-time.sh [runs]          (default 30 runs each)
# All run under one Xvfb server started first, so its start is not counted,
# with FENOVERRA_EXIT_WHEN_SHOWN set: each ends by itself once its first
# window has been shown and painted. hyperfine times them after warm-up
# runs; the figures are medians. /usr/bin/time -v gives the maximum
# resident set size.
set -euo pipefail
cd "$(dirname "$0")/.."
runs="${1:-30}"

missing=()
command -v hyperfine >/dev/null || missing+=(hyperfine)
[ -x /usr/bin/time ] || missing+=(time)
command -v xvfb-run >/dev/null || missing+=(xvfb xauth)
command -v python3 >/dev/null || missing+=(python3)
if [ ${#missing[@]} -gt 0 ]; then
  SUDO=""
  [ "$(id -u)" -ne 0 ] && SUDO="sudo"
  $SUDO apt-get update -qq
  $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

cmake -S . -B build >/dev/null
cmake --build build -j"$(nproc)" --target fenoverra barewindow >/dev/null

results=$(mktemp)
trap 'rm -f "$results"' EXIT
export FENOVERRA_EXIT_WHEN_SHOWN=1
unset QT_QPA_PLATFORM
# shellcheck disable=SC2016 # expanded by the inner shell, under Xvfb
xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
  set -euo pipefail
  hyperfine -N --warmup 3 --runs "$1" --style none --export-json "$2" \
    --command-name "fenoverra" "build/fenoverra" \
    --command-name "bare window, one line of text" "build/barewindow Fenoverra" \
    --command-name "bare window, empty" "build/barewindow"
  for command in "build/fenoverra" "build/barewindow Fenoverra" "build/barewindow"; do
    for _ in 1 2 3 4 5; do
      /usr/bin/time -f "%M" $command 2>&1 >/dev/null | tail -n 1
    done | sort -n | sed -n 3p
  done >>"$2.rss"
' startup-time "$runs" "$results"

python3 - "$results" <<'PY'
import json, statistics, sys
path = sys.argv[1]
runs = json.load(open(path))["results"]
rss = [int(line) for line in open(path + ".rss")]
base = statistics.median(runs[1]["times"])
print("| Program | Time to first window (median) | Ratio | Peak memory |")
print("|---|---:|---:|---:|")
for run, kb in zip(runs, rss):
    t = statistics.median(run["times"])
    print(f"| {run['command']} | {t * 1000:.1f} ms | {t / base:.2f} | {kb / 1024:.1f} MB |")
PY
rm -f "$results.rss"
