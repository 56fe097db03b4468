#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Fails naming every source file that does not open with the licence line
# (after a script's #! line); scripts/add-spdx.sh adds it where missing.
#   scripts/check-spdx.sh [--missing]   --missing: only the names, one a line
set -euo pipefail
cd "$(dirname "$0")/.."

# The licence line in the file's own comment syntax.
spdx_line() {
    case "$1" in
    *.cpp | *.h | *.h.in) echo "// SPDX-License-Identifier: GPL-3.0-or-later" ;;
    *) echo "# SPDX-License-Identifier: GPL-3.0-or-later" ;;
    esac
}

# C++, CMake, shell and Python files, and any other script with a #! line.
source_files() {
    git ls-files --cached --others --exclude-standard | while IFS= read -r file; do
        [ -f "$file" ] || continue
        case "$file" in
        *.cpp | *.h | *.h.in | *.sh | *.py | *.cmake | *.cmake.in | CMakeLists.txt | */CMakeLists.txt)
            echo "$file" ;;
        *) if [ "$(head -c 2 "$file")" = '#!' ]; then echo "$file"; fi ;;
        esac
    done
}

# The line the licence belongs on: the first, or the second after a #! line.
opening_line() {
    local first
    first=$(head -n 1 "$1")
    if [[ $first == '#!'* ]]; then sed -n 2p "$1"; else echo "$first"; fi
}

missing=()
while IFS= read -r file; do
    [ "$(opening_line "$file")" = "$(spdx_line "$file")" ] || missing+=("$file")
done < <(source_files)

if [ "${1:-}" = --missing ]; then
    [ ${#missing[@]} -eq 0 ] || printf '%s\n' "${missing[@]}"
    exit 0
fi
if [ ${#missing[@]} -gt 0 ]; then
    printf 'no licence line: %s\n' "${missing[@]}" >&2
    echo "run scripts/add-spdx.sh" >&2
    exit 1
fi
echo "licence: every source file opens with its SPDX line"
