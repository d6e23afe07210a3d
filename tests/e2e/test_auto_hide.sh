#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Lumora developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Auto hide under openbox: the bar retracts once the pointer has left it,
# comes back when the pointer rests on the strip left on screen, comes back
# at once on a click on that strip, and never hides while a button is held.
# Usage: test_auto_hide.sh <path to lumora>
# shellcheck source=bar.sh
source "$(dirname "$0")/bar.sh"

bar_setup "$@"

# --- the pointer leaves: hidden within about a second -------------------------
t0=$(_now_us)
x xdotool mousemove 100 400
wait_top 2 "$BAR_HIDDEN"
note "hidden $(ms_since "$t0") ms after the pointer left"
[[ $(bar_pos) == "$bar_x $BAR_HIDDEN" ]] || fail "hiding moved the bar sideways: $(bar_pos)"

# --- the pointer rests on the strip: back ----------------------------------------
t0=$(_now_us)
x xdotool mousemove $((bar_x + 100)) 1
wait_top 2 "$BAR_SHOWN"
note "shown $(ms_since "$t0") ms after the pointer came to rest on the strip"

x xdotool mousemove 100 400
wait_top 2 "$BAR_HIDDEN"

# --- a click on the strip: back at once -------------------------------------------
# The pointer leaves right after the click, so no poll can have seen it there:
# only the click can bring the bar down. It hides again half a second later.
t0=$(_now_us)
x xdotool mousemove $((bar_x + 100)) 1 click 1 mousemove 100 400
wait_top 1 "$BAR_SHOWN"
note "shown $(ms_since "$t0") ms after the click"
wait_top 2 "$BAR_HIDDEN"

# --- no hide while the button is held ---------------------------------------------------
x xdotool mousemove $((bar_x + 100)) 1
wait_top 2 "$BAR_SHOWN"
pointer_to "$SURFACE_X" "$SURFACE_Y"
x xdotool mousedown 1
x xdotool mousemove $((bar_x + SURFACE_X)) 400
stays_top 2 "$BAR_SHOWN"
x xdotool mouseup 1
wait_top 2 "$BAR_HIDDEN"

kill -0 "$LUMORA_PID" 2>/dev/null || fail "lumora exited"
note "ok"
