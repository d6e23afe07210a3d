#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Lumora developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Start-up work in instructions (callgrind), from exec to the first frame
# flushed to the X server, for the bar and for the floor window with a field.
# Unlike the wall clock, the counts do not move with other work on the
# machine. Skips when valgrind is not installed.
# The bar's own figure starts at the exec of lumora-bar; what the front
# program `lumora` does before its exec is counted alone (a copy of it with
# no bar beside it, which stops where it would exec) and added for the
# whole start.
# Usage: bench/startup/instructions.sh [build-dir]
here=$(cd "$(dirname "$0")" && pwd)
repo=$(cd "$here/../.." && pwd)
# shellcheck source=../../tests/e2e/lib.sh
source "$repo/tests/e2e/lib.sh"

build=$(cd "${1:-$repo/build}" && pwd)
floor=$build/bench/startup/bench_floor_window
bar=$build/src/lumora-bar
front=$build/src/lumora
require_built "$floor" "$bar" "$front"
if ! command -v valgrind >/dev/null; then
    echo "== start-up instructions: skipped (no valgrind) =="
    exit 0
fi

e2e_init
e2e_start_display
out=$E2E_TMP/callgrind
mkdir -p "$out"

# Instructions up to the first flushed frame of `program args...`.
first_frame_instructions() {
    local label=$1 pid dump
    shift
    env -i "${E2E_ENV[@]}" valgrind --tool=callgrind --callgrind-out-file="$out/$label.%p" \
        --dump-after='QWidgetRepaintManager::flush*' "$@" >/dev/null 2>"$out/$label.log" &
    pid=$!
    dump=$out/$label.$pid.1
    poll_for 120 test -s "$dump" || fail "$label: no frame under callgrind"
    # The dump is complete once callgrind has written its totals.
    poll_for 10 grep -q '^totals:' "$dump"
    kill -KILL "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null
    awk '/^totals:/ { print $2 }' "$dump"
}

# Instructions of the front program from its exec to where it would exec
# the bar.
front_instructions() {
    local alone=$E2E_TMP/front-alone
    mkdir -p "$alone"
    cp "$front" "$alone/lumora"
    env -i "${E2E_ENV[@]}" valgrind --tool=callgrind --callgrind-out-file="$out/front.%p" \
        "$alone/lumora" >/dev/null 2>"$out/front.log"
    awk '/^totals:/ { print $2 }' "$out"/front.*[0-9]
}

echo "== start-up instructions (callgrind, Xvfb $E2E_DISPLAY, no window manager) =="
floor_ir=$(first_frame_instructions floor "$floor" --with-field)
bar_ir=$(first_frame_instructions bar "$bar")
front_ir=$(front_instructions)
printf '%-36s %15s\n' "floor window + field" "$floor_ir" "lumora-bar (exec to first frame)" "$bar_ir" \
    "lumora front (exec to its exec)" "$front_ir"
awk -v b="$bar_ir" -v f="$floor_ir" -v p="$front_ir" 'BEGIN {
    printf "start-up instructions ratio (lumora-bar/floor+field): %.3fx\n", b / f
    printf "start-up instructions ratio (front + lumora-bar/floor+field): %.3fx\n", (p + b) / f }'
