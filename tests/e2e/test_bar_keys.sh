#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Lumora developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The bar without the mouse under openbox: Ctrl+Down chooses the engine
# menu's next engine for good, Alt+Down opens the engine menu and Down, Enter
# choose there, Shift+F10 and the Menu key open the options menu ("Close"
# is one Up away), and the engine a first word picks shows at the field's
# right end.
# Usage: test_bar_keys.sh <path to lumora> <path to count_ink>
# shellcheck source=bar.sh
source "$(dirname "$0")/bar.sh"

count_ink=${2:?usage: $0 <lumora> <count_ink>}
require_built "$count_ink"
bar_setup "$1"
focus_field

# The popup window of the bar that is open now.
popup_window() {
    x xdotool search --onlyvisible --pid "$LUMORA_PID" 2>/dev/null | grep -vx "$LUMORA_WIN" | head -n 1
}

# --- Ctrl+Down: the menu's second engine, and the text stays ----------------------
x xdotool type --delay 20 cats
x xdotool key ctrl+Down Return
wait_for 5 record_has_lines 1
line=$(record_line 1)
[[ $line == https://images.google.com/images\?q=cats ]] || fail "Ctrl+Down, Enter opened '$line'"

# --- Shift+F10: the options menu under its box; Up, Enter is "Close" -----------------
x xdotool key shift+F10
wait_for 3 popup_open
read -r mx my mw _ <<<"$(window_geometry "$(popup_window)")"
read -r bx by _ <<<"$(bar_pos)"
# Right-aligned under the options box: its right edge past the box's middle
# and inside the bar, its top below the box.
((mx + mw > bx + OPTIONS_X && mx + mw <= bx + BAR_W && my > by + OPTIONS_Y)) ||
    fail "options menu at $mx,$my, $mw wide; the bar at $bx,$by"
x xdotool key Up Return
exited() { ! kill -0 "$LUMORA_PID" 2>/dev/null; }
wait_for 5 exited

# --- the choice survived the restart ---------------------------------------------------
bar_start "$LUMORA"
focus_field
x xdotool type --delay 20 cats
x xdotool key Return
wait_for 5 record_has_lines 2
line=$(record_line 2)
[[ $line == https://images.google.com/images\?q=cats ]] || fail "after a restart Enter opened '$line'"

# --- Alt+Down opens the engine menu on the current engine; Down, Enter: the next ------
x xdotool key alt+Down
wait_for 3 popup_open
read -r mx my _ <<<"$(window_geometry "$(popup_window)")"
read -r bx by _ <<<"$(bar_pos)"
((mx > bx && mx < bx + ENGINE_X && my > by + ENGINE_Y)) || fail "engine menu at $mx,$my; the bar at $bx,$by"
x xdotool key Down Return
wait_for 3 eval '! popup_open'
wait_for 3 has_focus "$LUMORA_WIN"
x xdotool key Return
wait_for 5 record_has_lines 3
line=$(record_line 3)
[[ $line == *google.com/*cats* && $line != *images.google* ]] ||
    fail "the engine after Google Image, chosen in the menu, opened '$line'"

# --- the Menu key opens the options menu too, Escape closes it -------------------------
x xdotool key Menu
wait_for 3 popup_open
x xdotool key Escape
wait_for 3 eval '! popup_open'

# --- "w " shows the engine it picks at the field's right end; "zz " shows nothing ------
# The field's right end, left of the search button, in client points.
HINT_X=118 HINT_Y=34 HINT_W=52 HINT_H=12
ink_at_field_end() {
    local p
    p=$(bar_pos)
    x "$count_ink" $((${p% *} + HINT_X)) $((${p#* } + HINT_Y)) "$HINT_W" "$HINT_H"
}
has_ink() { (($(ink_at_field_end) > 20)); }
no_ink() { (($(ink_at_field_end) == 0)); }
x xdotool key ctrl+a BackSpace
wait_for 3 no_ink
x xdotool type --delay 20 'w '
wait_for 3 has_ink
x xdotool key ctrl+a BackSpace
x xdotool type --delay 20 'zz '
wait_for 3 no_ink
note "ok"
