#!/usr/bin/env bash
# The engine menu under openbox: a click on the engine box opens it, an entry
# chosen from the keyboard becomes the current engine, and the next search
# goes there; a click on an entry does the same.
# Usage: test_engine_menu.sh <path to lumora>
# shellcheck source=lib.sh
source "$(dirname "$0")/lib.sh"
# shellcheck source=bar.sh
source "$(dirname "$0")/bar.sh"

LUMORA=${1:?usage: $0 <lumora binary>}

e2e_init
e2e_start_x
bar_start "$LUMORA"

search_for() {
    pointer_to "$FIELD_X" "$FIELD_Y"
    wait_for 3 has_focus "$LUMORA_WIN"
    x xdotool key ctrl+a BackSpace
    x xdotool type --delay 20 "$1"
    x xdotool key Return
}

# --- keyboard: the second entry, "Google Image [gi]" ---------------------------
pointer_to "$ENGINE_X" "$ENGINE_Y"
x xdotool click 1
wait_for 3 popup_open
x xdotool key Down Down Return
wait_for 3 eval '! popup_open'

search_for cats
wait_for 5 record_has_lines 1
line=$(record_line 1)
[[ $line == http://images.google.com/images\?q=cats ]] ||
    fail "search after choosing the second entry opened '$line'"

# --- mouse: a click on the last engine entry, "YouTube [yt]" ------------------------
pointer_to "$ENGINE_X" "$ENGINE_Y"
x xdotool click 1
wait_for 3 popup_open
menu=$(x xdotool search --onlyvisible --pid "$LUMORA_PID" | grep -vx "$LUMORA_WIN" | head -n 1)
read -r mx my mw mh <<<"$(window_geometry "$menu")"
# 13 engine entries, a separator and "Edit...": YouTube is the 13th of 14
# rows of equal height, give or take the separator and the frame.
row=$(((mh - 8) / 14))
x xdotool mousemove $((mx + mw / 2)) $((my + 4 + row * 12 + row / 2)) click 1
wait_for 3 eval '! popup_open'

search_for dogs
wait_for 5 record_has_lines 2
line=$(record_line 2)
[[ $line == http://www.youtube.com/results\?q=dogs* ]] ||
    fail "search after clicking YouTube opened '$line'"

note "ok"
