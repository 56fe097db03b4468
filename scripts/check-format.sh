#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Fails when a source file does not follow .clang-format; names the files.
# scripts/check-format.sh --fix formats them instead.
set -euo pipefail
cd "$(dirname "$0")/.."
mapfile -t files < <(git ls-files --cached --others --exclude-standard -- '*.h' '*.cpp')
if [ "${1:-}" = --fix ]; then
    clang-format -i "${files[@]}"
    exit 0
fi
if ! clang-format --dry-run --Werror "${files[@]}" 2>/tmp/fenoverra-format.$$; then
    grep -E '^[^ ]+:[0-9]+:[0-9]+: error' /tmp/fenoverra-format.$$ | cut -d: -f1 | sort -u |
        sed 's/^/not formatted: /' >&2
    echo "run scripts/check-format.sh --fix" >&2
    rm -f /tmp/fenoverra-format.$$
    exit 1
fi
rm -f /tmp/fenoverra-format.$$
echo "format: every source file follows .clang-format"
