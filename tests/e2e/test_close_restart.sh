#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Lumora developers
# SPDX-License-Identifier: GPL-3.0-or-later
# "Close" under openbox writes both data files and ends the program; the next
# start brings back the position, the options and the current engine.
# Usage: test_close_restart.sh <path to lumora>
# shellcheck source=bar.sh
source "$(dirname "$0")/bar.sh"

bar_setup "$@"

data=$E2E_TMP/config/Lumora

# --- change what the files keep ----------------------------------------------------
# Position: drag 120 pixels to the left.
pointer_to "$SURFACE_X" "$SURFACE_Y"
x xdotool mousedown 1
x xdotool mousemove $((bar_x + SURFACE_X - 60)) "$SURFACE_Y"
x xdotool mousemove $((bar_x + SURFACE_X - 120)) "$SURFACE_Y"
x xdotool mouseup 1
bar_x=$((bar_x - 120))
wait_pos 2 "$bar_x" "$BAR_SHOWN"

# Engine: the second entry, "Google Image".
open_popup "$ENGINE_X" "$ENGINE_Y"
x xdotool key Down Down Return
wait_for 3 eval '! popup_open'

# Auto hide off: a double click on the bar.
pointer_to "$SURFACE_X" "$SURFACE_Y"
x xdotool click --repeat 2 --delay 80 1

# --- Close: the options menu's last entry ------------------------------------------
open_popup "$OPTIONS_X" "$OPTIONS_Y"
x xdotool key Up Return

exited() { ! kill -0 "$LUMORA_PID" 2>/dev/null; }
wait_for 5 exited
[[ -f $data/data1.lmr ]] || fail "Close did not write the settings file (SaveAndClose not wired?)"
[[ -f $data/catalog.lmr ]] || fail "Close did not write the catalogue file"
size=$(stat -c %s "$data/data1.lmr")
((size == 308)) || fail "settings file has $size bytes, expected 308"

# --- start again with the pointer far away ---------------------------------------------
x xdotool mousemove 100 400
e2e_start_lumora "$LUMORA"
wait_pos 5 "$bar_x" "$BAR_SHOWN"
# Auto hide stayed off: the bar does not retract.
stays_top 1.5 "$BAR_SHOWN"

search_for cats
wait_for 5 record_has_lines 1
line=$(record_line 1)
[[ $line == https://images.google.com/images\?q=cats ]] ||
    fail "after the restart the search opened '$line', expected the engine chosen before"
note "ok"
