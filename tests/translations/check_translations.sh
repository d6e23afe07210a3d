#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Lumora developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Fails when a string of the code is missing from a .ts file (or a .ts file
# holds one the code no longer has), and when a translation is unfinished.
# lupdate runs on copies; the .ts files themselves are never changed here.
#   check_translations.sh <lupdate> <source dir> <ts file>... -- <lupdate options>...
set -euo pipefail

lupdate=$1 source_dir=$2
shift 2
ts_files=()
while [ $# -gt 0 ] && [ "$1" != "--" ]; do ts_files+=("$1"); shift; done
[ $# -gt 0 ] && shift
options=("$@")

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

status=0
for ts in "${ts_files[@]}"; do
    copy=$work/$(basename "$ts")
    cp "$ts" "$copy"
    "$lupdate" -silent "${options[@]}" -extensions cpp,h "$source_dir/src" -ts "$copy" >"$work/log" 2>&1 \
        || { cat "$work/log"; exit 1; }
    if ! diff -u "$ts" "$copy"; then
        echo "FAIL: $(basename "$ts") is not up to date with the code;" \
            "run: cmake --build build --target update_translations" >&2
        status=1
    fi
    if grep -n 'type="unfinished"\|type="vanished"\|type="obsolete"' "$ts"; then
        echo "FAIL: $(basename "$ts") has unfinished translations" >&2
        status=1
    fi
done
[ $status -eq 0 ] && echo "translations: complete"
exit $status
