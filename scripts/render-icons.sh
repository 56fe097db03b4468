#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Redraws resources/icons/png/ from the SVG pictures in resources/icons/
# (needs Qt's SVG plugin, libqt6svg6) and lists them in the resource file.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build >/dev/null
cmake --build build -j2 --target rendericons >/dev/null
rm -rf resources/icons/png
QT_QPA_PLATFORM=offscreen build/tools/rendericons resources/icons resources/icons/png
python3 - <<'PY'
import os
files = sorted("icons/png/" + f for f in os.listdir("resources/icons/png") if f.endswith(".png"))
body = "".join(f"    <file>{f}</file>\n" for f in files)
with open("resources/resources.qrc", "w") as qrc:
    qrc.write('<!DOCTYPE RCC><RCC version="1.0">\n<qresource prefix="/">\n' + body +
              "</qresource>\n</RCC>\n")
PY
echo "pictures drawn: $(ls resources/icons/png | wc -l)"
