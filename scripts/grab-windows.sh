#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the window grabber and writes a PNG of each window of the program,
# or of the windows named, to look at after a change:
#   scripts/grab-windows.sh [window...]      pictures in build/windows/
#   scripts/grab-windows.sh --docs           the two working windows, dati and
#                                            tabella, in docs/ for the README
# Runs under xvfb-run, so the windows are drawn by a real X server; without
# it, on Qt's offscreen platform.
set -euo pipefail
cd "$(dirname "$0")/.."
out=build/windows
if [ "${1:-}" = --docs ]; then
  out=docs
  set -- dati tabella
fi
cmake -S . -B build >/dev/null
cmake --build build -j2 --target grabwindows >/dev/null
mkdir -p "$out"
if command -v xvfb-run >/dev/null; then
  xvfb-run -a -s "-screen 0 1280x1024x24" build/grabwindows "$out" "$@"
else
  QT_QPA_PLATFORM=offscreen build/grabwindows "$out" "$@"
fi
