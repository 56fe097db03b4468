#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Fails when an #include points up the layers or across windows.
# Each folder may include only itself and the folders below it:
#   app -> shell -> datawindow, ratetable, help -> files, reports -> platform -> core
# with files/format as pure as core (no Qt in either).
set -euo pipefail
cd "$(dirname "$0")/.."

allowed() { # folder -> folders it may include
    case "$1" in
    app) echo "app shell datawindow ratetable help files files/format reports platform core" ;;
    shell) echo "shell datawindow ratetable help files files/format reports platform core" ;;
    datawindow | ratetable | help) echo "$1 files files/format reports platform core" ;;
    files) echo "files files/format platform core" ;;
    reports) echo "reports platform core" ;;
    platform) echo "platform core" ;;
    files/format) echo "files/format" ;;
    core) echo "core" ;;
    esac
}

layer_of() { # path -> its folder in the layers
    case "$1" in
    files/format/*) echo files/format ;;
    *) echo "${1%%/*}" ;;
    esac
}

status=0
while IFS= read -r file; do
    from=$(layer_of "$file")
    ok=$(allowed "$from")
    [ -n "$ok" ] || continue
    while IFS=: read -r line text; do
        target=$(sed -E 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"([^"]+)".*/\1/' <<<"$text")
        to=$(layer_of "$target")
        [ "$to" = "$target" ] && continue # a header beside the file
        if [[ " $ok " != *" $to "* ]]; then
            echo "$file:$line: $from must not include $target" >&2
            status=1
        fi
    done < <(grep -n -E '^[[:space:]]*#[[:space:]]*include[[:space:]]*"' "$file" || true)
    if [ "$from" = core ] || [ "$from" = files/format ]; then
        while IFS=: read -r line _; do
            echo "$file:$line: $from is pure C++ and must not include Qt" >&2
            status=1
        done < <(grep -n -E '^[[:space:]]*#[[:space:]]*include[[:space:]]*<Q' "$file" || true)
    fi
done < <(git ls-files -- '*.h' '*.cpp')

[ $status -eq 0 ] && echo "layers: every include points down"
exit $status
