#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Lumora developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Dragging and pinning under openbox: a drag moves the bar sideways only, and
# whatever moves the bar down, it is back on the top edge within a second, at
# the hidden position with auto hide on and the shown one with it off.
# Usage: test_drag_pin.sh <path to lumora>
# shellcheck source=bar.sh
source "$(dirname "$0")/bar.sh"

bar_setup "$@"

# --- drag: x follows the pointer, y stays -2 ---------------------------------------
pointer_to "$SURFACE_X" "$SURFACE_Y"
x xdotool mousedown 1
for dx in 20 40 60 80 100; do
    # Up and down as well: only x may change.
    x xdotool mousemove $((bar_x + SURFACE_X + dx)) $((SURFACE_Y + dx / 2))
done
wait_pos 2 $((bar_x + 100)) "$BAR_SHOWN"
x xdotool mouseup 1
wait_pos 2 $((bar_x + 100)) "$BAR_SHOWN"
bar_x=$((bar_x + 100))

# --- moved down with auto hide on: back at the hidden position ---------------------------
x xdotool mousemove 100 400
wait_top 2 "$BAR_HIDDEN"
t0=$(_now_us)
x xdotool windowmove "$LUMORA_WIN" 300 200
wait_pos 1 300 "$BAR_HIDDEN"
note "pinned back $(ms_since "$t0") ms after the move"

# --- auto hide off (double click), moved down: back at -2 ---------------------------------
x xdotool mousemove $((300 + 100)) 1
wait_top 2 "$BAR_SHOWN"
pointer_to "$SURFACE_X" "$SURFACE_Y"
x xdotool click --repeat 2 --delay 80 1
x xdotool mousemove 100 400
stays_top 1.5 "$BAR_SHOWN"
t0=$(_now_us)
x xdotool windowmove "$LUMORA_WIN" 500 300
wait_pos 1 500 "$BAR_SHOWN"
note "pinned back $(ms_since "$t0") ms after the move"

kill -0 "$LUMORA_PID" 2>/dev/null || fail "lumora exited"
note "ok"
