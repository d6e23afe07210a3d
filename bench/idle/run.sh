#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Lumora developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Idle cost of the bar on a private Xvfb display with openbox: CPU time per
# 10 s and wake-ups per second with the bar shown and the pointer away (auto
# hide switched off with a double click, as a user would), and hidden (auto
# hide on, after it has retracted), beside the start-up benchmark's floor
# window. Each state is measured twice: while the query field's cursor still
# blinks, and once it has stopped (10 s without input).
# Usage: bench/idle/run.sh [build-dir]
here=$(cd "$(dirname "$0")" && pwd)
repo=$(cd "$here/../.." && pwd)
# The end-to-end helpers give us the display, the window manager, a clean
# environment and cleanup on exit.
# shellcheck source=../../tests/e2e/bar.sh
source "$repo/tests/e2e/bar.sh"

build=$(cd "${1:-$repo/build}" && pwd)
probe=$build/bench/idle/bench_idle
floor=$build/bench/startup/bench_floor_window
lumora=$build/src/lumora
require_built "$probe" "$floor" "$lumora"

BLINK_IDLE=10  # seconds without input before the cursor stops blinking

e2e_init
e2e_start_x

away() {
    x xdotool mousemove 100 $((E2E_SCREEN_H - 100))
}

# Sleeps until <secs> have passed since a time taken with _now_us.
sleep_until() {
    local left=$(($1 * 1000000 - ($(_now_us) - $2)))
    ((left <= 0)) || sleep "$((left / 1000000)).$(printf '%06d' $((left % 1000000)))"
}

# Two rows for the bar: from 1 s after <t0> for 5 s, and for 10 s once the
# cursor has stopped blinking (<t0> being the last input).
measure_bar() {
    local what=$1 t0=$2
    sleep_until 1 "$t0"
    "$probe" --seconds 5 "lumora $what, cursor blinking" "$LUMORA_PID"
    sleep_until $((BLINK_IDLE + 1)) "$t0"
    "$probe" --target "lumora $what" "$LUMORA_PID"
}

echo "== idle benchmark (Xvfb $E2E_DISPLAY, openbox) =="
printf '%-42s %12s %12s %12s\n' "" "CPU stat" "CPU sched" "wake-ups"
printf '%-42s %12s %12s %12s\n' "" "per 10 s" "per 10 s" ""

# --- the floor: a bare Qt window of the bar's kind ----------------------------------
away
env -i "${E2E_ENV[@]}" "$floor" >/dev/null 2>&1 &
floor_pid=$!
_e2e_track "$floor_pid"
floor_mapped() { [[ -n $(x xdotool search --onlyvisible --pid "$floor_pid" 2>/dev/null) ]]; }
wait_for 15 floor_mapped
sleep 2
"$probe" "floor window" "$floor_pid"
_stop_pid "$floor_pid"

# --- shown, pointer away: auto hide off --------------------------------------------------
bar_start "$lumora"
pointer_to "$SURFACE_X" "$SURFACE_Y"
x xdotool click --repeat 2 --delay 80 1
t0=$(_now_us)
away
stays_top 1 "$BAR_SHOWN"
measure_bar "shown, pointer away" "$t0"
_stop_pid "$LUMORA_PID"

# --- hidden: auto hide on, a fresh start with the pointer away ------------------------------
# The stop above saved the settings; start from the defaults again.
rm -rf "$E2E_TMP/config/Lumora"
away
t0=$(_now_us)
e2e_start_lumora "$lumora"
wait_top 5 "$BAR_HIDDEN"
measure_bar "hidden" "$t0"

echo
echo "Targets: at most 3 wake-ups per second and 10 ms CPU per 10 s (sched column),"
echo "once the cursor has stopped blinking."
