#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Lumora developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The engine menu under openbox: a click on the engine box opens it, an entry
# chosen from the keyboard becomes the current engine, and the next search
# goes there; a click on an entry does the same.
# Usage: test_engine_menu.sh <path to lumora>
# shellcheck source=bar.sh
source "$(dirname "$0")/bar.sh"

bar_setup "$@"

# --- keyboard: the second entry, "Google Image [gi]" ---------------------------
open_popup "$ENGINE_X" "$ENGINE_Y"
x xdotool key Down Down Return
wait_for 3 eval '! popup_open'

search_for cats
wait_for 5 record_has_lines 1
line=$(record_line 1)
[[ $line == https://images.google.com/images\?q=cats ]] ||
    fail "search after choosing the second entry opened '$line'"

# --- mouse: a click on the last engine entry, "YouTube [yt]" ------------------------
open_popup "$ENGINE_X" "$ENGINE_Y"
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
[[ $line == https://www.youtube.com/results\?q=dogs* ]] ||
    fail "search after clicking YouTube opened '$line'"

note "ok"
