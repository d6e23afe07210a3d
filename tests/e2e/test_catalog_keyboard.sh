#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Lumora developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Cleaning up the catalogue from the keyboard under openbox: two engines
# deleted and one moved, OK; the bar keeps searching with its engine, the
# engine menu shows the new order, and Close saves it.
# Usage: test_catalog_keyboard.sh <path to lumora>
# shellcheck source=bar.sh
source "$(dirname "$0")/bar.sh"
# shellcheck source=datafiles.sh
source "$(dirname "$0")/datafiles.sh"

bar_setup "$@"
data=$E2E_TMP/config/Lumora

catalog_window() {
    x xdotool search --onlyvisible --pid "$LUMORA_PID" --name '^Catalog$' 2>/dev/null | grep -vx "$LUMORA_WIN" | head -n 1
}

# "Edit..." is the engine menu's last entry: it opens the catalogue, with the
# first row ("Google") current and the focus in the list.
open_popup "$ENGINE_X" "$ENGINE_Y"
x xdotool key Up Return
wait_for 5 eval '[[ -n $(catalog_window) ]]'
win=$(catalog_window)
wait_for 3 has_focus "$win"

# Google Image and Google Map go; Google Shopping, next after Google News,
# climbs two places to the top; Enter is OK.
x xdotool key Down shift+Down Delete
x xdotool key Down alt+Up alt+Up
x xdotool key Return
wait_for 5 eval '! window_viewable "$win"'

# The bar still searches with Google, now the menu's second entry.
search_for cats
wait_for 5 record_has_lines 1
line=$(record_line 1)
[[ $line == https://www.google.com/search\?q=cats ]] || fail "after OK the bar searched with '$line', not Google"

# The menu's first entry is Google Shopping now.
open_popup "$ENGINE_X" "$ENGINE_Y"
x xdotool key Down Return
wait_for 3 eval '! popup_open'
search_for lamps
wait_for 5 record_has_lines 2
line=$(record_line 2)
[[ $line == */products\?q=lamps ]] || fail "the engine menu's first entry searched with '$line', not Google Shopping"

# Back to Google, the second entry, then Close.
open_popup "$ENGINE_X" "$ENGINE_Y"
x xdotool key Down Down Return
wait_for 3 eval '! popup_open'
open_popup "$OPTIONS_X" "$OPTIONS_Y"
x xdotool key Up Return
wait_for 5 eval '! kill -0 "$LUMORA_PID" 2>/dev/null'

[[ -f $data/catalog.lmr ]] || fail "Close did not write the catalogue"
mapfile -t saved < <(catalog_records "$data/catalog.lmr")
[[ ${saved[0]} == "count 77" ]] || fail "the catalogue holds '${saved[0]}', expected 77 engines"
expected=("1 Google Shopping" "1 Google" "0 Google News" "1 Google Video" "1 Google Group" "0 Google Books")
for i in "${!expected[@]}"; do
    [[ ${saved[i + 1]} == "${expected[i]}" ]] ||
        fail "saved record $i is '${saved[i + 1]}', expected '${expected[i]}'"
done
for gone in "Google Image" "Google Map"; do
    printf '%s\n' "${saved[@]}" | grep -q "^[01] $gone\$" && fail "$gone is still in the saved catalogue"
done
[[ ${saved[77]} == "0 Shopping UK" ]] || fail "the last saved record is '${saved[77]}'"

# The next start comes back on Google.
bar_start "$LUMORA"
search_for dogs
wait_for 5 record_has_lines 3
line=$(record_line 3)
[[ $line == https://www.google.com/search\?q=dogs ]] || fail "after the restart the bar searched with '$line'"
note "ok"
