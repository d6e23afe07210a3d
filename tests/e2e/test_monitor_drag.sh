#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Lumora developers
# SPDX-License-Identifier: GPL-3.0-or-later
# A drag from the laptop onto the taller external monitor: the bar hangs from
# the external's top, and after Close and a new start it is back there.
# Usage: test_monitor_drag.sh <path to lumora>
# shellcheck source=bar.sh
source "$(dirname "$0")/bar.sh"
# shellcheck source=xorg.sh
source "$(dirname "$0")/xorg.sh"

xorg_setup "$@"
monitors_laptop_below

left=$((1280 / 2 - BAR_W / 2))
x xdotool mousemove $((left + FIELD_X)) $((224 + BAR_SHOWN + FIELD_Y))
e2e_start_lumora "$LUMORA"
wait_pos 5 "$left" $((224 + BAR_SHOWN))

# Grab the bar's surface and carry it 1000 pixels to the right.
grab_y=$((224 + BAR_SHOWN + SURFACE_Y))
x xdotool mousemove $((left + SURFACE_X)) "$grab_y"
x xdotool mousedown 1
x xdotool mousemove $((left + SURFACE_X + 500)) "$grab_y"
x xdotool mousemove $((left + SURFACE_X + 1000)) "$grab_y"
x xdotool mouseup 1
wait_pos 3 $((left + 1000)) "$BAR_SHOWN"

# Close, then start again with the pointer far away.
open_popup "$OPTIONS_X" "$OPTIONS_Y"
x xdotool key Up Return
exited() { ! kill -0 "$LUMORA_PID" 2>/dev/null; }
wait_for 5 exited
grep -qx 'screen=R' "$E2E_TMP/config/Lumora/lumora.ini" || fail "lumora.ini does not remember R"
x xdotool mousemove 100 700
e2e_start_lumora "$LUMORA"
wait_pos 5 $((left + 1000)) "$BAR_SHOWN"
note "ok"
