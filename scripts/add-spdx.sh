#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Puts the licence line at the top of every source file without it (below a
# script's #! line), in the file's comment syntax; files that have it are
# left alone, so running it again changes nothing. scripts/check-spdx.sh
# names the files it would change.
set -euo pipefail
cd "$(dirname "$0")/.."

while IFS= read -r file; do
    case "$file" in
    *.cpp | *.h | *.h.in) line="// SPDX-License-Identifier: GPL-3.0-or-later" ;;
    *) line="# SPDX-License-Identifier: GPL-3.0-or-later" ;;
    esac
    if [[ $(head -n 1 "$file") == '#!'* ]]; then
        sed -i "1a $line" "$file"
    elif [ -s "$file" ]; then
        sed -i "1i $line" "$file"
    else
        echo "$line" >"$file"
    fi
    echo "licence line added: $file"
done < <(scripts/check-spdx.sh --missing)
