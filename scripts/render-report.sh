#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Shows what a word processor makes of a written document: the document is
# converted to PDF by LibreOffice and each page to a PNG.
#   scripts/render-report.sh DOCUMENT.odt FOLDER [DPI]
# writes FOLDER/NAME.pdf and FOLDER/NAME-1.png, NAME-2.png ... (DPI 100 unless given)
# and lists the pages. Needs libreoffice (Writer) and pdftoppm (poppler-utils).
set -euo pipefail

if [ $# -lt 2 ] || [ $# -gt 3 ]; then
    echo "usage: $0 DOCUMENT.odt FOLDER [DPI]" >&2
    exit 2
fi
document=$1
folder=$2
dpi=${3:-100}
[ -f "$document" ] || { echo "no such document: $document" >&2; exit 2; }
office=$(command -v libreoffice || command -v soffice || true)
[ -n "$office" ] || { echo "libreoffice is not installed" >&2; exit 3; }
command -v pdftoppm >/dev/null || { echo "pdftoppm (poppler-utils) is not installed" >&2; exit 3; }

mkdir -p "$folder"
name=$(basename "${document%.*}")
# A profile of its own: runs beside an open LibreOffice and leaves the user's untouched.
profile=$(mktemp -d)
trap 'rm -rf "$profile"' EXIT
"$office" "-env:UserInstallation=file://$profile" --headless --convert-to pdf \
    --outdir "$folder" "$document" >/dev/null 2>&1 || true
pdf="$folder/$name.pdf"
[ -s "$pdf" ] || { echo "LibreOffice wrote no PDF for $document" >&2; exit 1; }
rm -f "$folder/$name"-*.png
pdftoppm -r "$dpi" -png "$pdf" "$folder/$name"
ls "$folder/$name"-*.png
