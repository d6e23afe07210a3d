#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Lumora developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Searches to built-in hosts go out over https while the data files keep
# their templates; a user's own http:// engine stays http://. Then "Update
# Built-in Engines..." from the catalogue's context menu, OK, OK: the
# untouched built-in engines get today's addresses, a closed one is
# unticked, an edited one stays, and the entry is greyed out afterwards.
# Usage: test_https_update.sh <path to lumora>
# shellcheck source=bar.sh
source "$(dirname "$0")/bar.sh"
# shellcheck source=datafiles.sh
source "$(dirname "$0")/datafiles.sh"

window_named() {
    local w
    for w in $(x xdotool search --onlyvisible --pid "$LUMORA_PID" 2>/dev/null); do
        [[ $(x xdotool getwindowname "$w" 2>/dev/null) == "$1" ]] && { echo "$w"; return; }
    done
}
window_up() {
    [[ -n $(window_named "$1") ]]
}
exited() {
    ! kill -0 "$LUMORA_PID" 2>/dev/null
}
# Auto hide may have taken the bar up while a dialog had the pointer: the
# pointer resting on its strip brings it down.
close_bar() {
    x xdotool mousemove $((BAR_FIRST_X + FIELD_X)) 0
    wait_top 5 "$BAR_SHOWN"
    pointer_over_field "$BAR_FIRST_X"
    open_popup "$OPTIONS_X" "$OPTIONS_Y"
    x xdotool key Up Return
    wait_for 5 exited
}
# The catalogue from "Edit..." at the end of the engine menu, then its
# context menu from a right click into the list.
open_catalog_menu() {
    open_popup "$ENGINE_X" "$ENGINE_Y"
    x xdotool key Up Return
    wait_for 5 window_up Catalog
    catalog=$(window_named Catalog)
    wait_for 3 has_focus "$catalog"
    x xdotool mousemove --window "$catalog" 120 120 click 3
    wait_for 3 eval '[[ $(x xdotool search --onlyvisible --pid "$LUMORA_PID" 2>/dev/null | wc -l) -ge 3 ]]'
}
expect_line() {
    wait_for 5 record_has_lines "$1"
    local line
    line=$(record_line "$1")
    [[ $line == "$2" ]] || fail "search $1 opened '$line', expected '$2'"
}
file_has() {
    grep -qaF -- "$2" "$1"
}

# --- the built-in catalogue of a first start: https out, http kept -----------
bar_setup "$@"
data=$E2E_TMP/config/Lumora
focus_field
search_for cats
expect_line 1 'https://www.google.com/search?q=cats'
search_for 'w Dublin Bay'
expect_line 2 'https://en.wikipedia.org/wiki/Dublin%20Bay'
close_bar
for f in catalog.lmr data1.lmr; do
    [[ -f $data/$f ]] || fail "Close did not write $f"
    file_has "$data/$f" 'https://www.google.com' && fail "$f holds an https Google template"
    file_has "$data/$f" 'https://en.wikipedia.org' && fail "$f holds an https Wikipedia template"
done
file_has "$data/catalog.lmr" 'http://www.google.com/search?q=[keyword]' || fail "the Google template changed"
file_has "$data/catalog.lmr" 'http://en.wikipedia.org/wiki/[keyword]' || fail "the Wikipedia template changed"

# --- a catalogue of built-in engines, one edited, and an own http engine ------
edited='http://search.yahoo.com/search?p=[keyword]&ei=UTF-8'
tucows='http://www.tucows.com/search.html?search_scope=win&search_lib=soft&search_adv=0&search_size=&search_size_multi=b&search_terms=[keyword]&srch_pf=win&x=0&y=0'
{
    le32 7
    record 1 g Search Google 'http://www.google.com/search?q=[keyword]'
    record 1 gi Image 'Google Image' 'http://images.google.com/images?q=[keyword]'
    record 1 t Software TuCows "$tucows"
    record 1 a Shopping Amazon 'https://www.amazon.com/s/?tag=4817-20&field-keywords=[keyword]'
    record 0 w Search Wikipedia 'http://en.wikipedia.org/wiki/[keyword]'
    record 1 y Search 'Yahoo!' "$edited"
    record 0 in Search Intranet 'http://intranet.example/?q=[keyword]'
} >"$data/catalog.lmr"
cp "$data/catalog.lmr" "$E2E_TMP/catalog.before"

bar_start "$LUMORA"
focus_field
search_for 'in cats'
expect_line 3 'http://intranet.example/?q=cats'
search_for 'y cats'
expect_line 4 'https://search.yahoo.com/search?p=cats&ei=UTF-8'
close_bar
cmp -s "$data/catalog.lmr" "$E2E_TMP/catalog.before" || fail "Close changed the catalogue file"

# --- Update Built-in Engines..., OK, OK ----------------------------------------
bar_start "$LUMORA"
focus_field
open_catalog_menu
# The entry before "Import...", the menu's last.
x xdotool key Up Up Return
wait_for 10 window_up 'Update Built-in Engines'
update=$(window_named 'Update Built-in Engines')
[[ -n ${E2E_SHOT-} ]] && { sleep 0.5; x import -window root "$E2E_SHOT" || true; }
wait_for 3 has_focus "$update"
x xdotool key Return
wait_for 5 eval '! window_viewable "$update"'
wait_for 3 has_focus "$catalog"
x xdotool key Return
wait_for 5 eval '! window_viewable "$catalog"'
close_bar

saved=$data/catalog.lmr
file_has "$saved" 'https://www.google.com/search?q=[keyword]&tbm=isch' || fail "Google Image has no new template"
file_has "$saved" 'images.google.com' && fail "Google Image kept its old template"
file_has "$saved" 'tag=4817-20' && fail "Amazon kept the affiliate tag"
file_has "$saved" 'https://www.amazon.com/s?k=[keyword]' || fail "Amazon has no new template"
file_has "$saved" "$edited" || fail "the edited Yahoo! row changed"
file_has "$saved" 'http://intranet.example/?q=[keyword]' || fail "the own engine changed"
mapfile -t rows < <(catalog_records "$saved")
expected=("count 7" "1 Google" "1 Google Image" "0 TuCows" "1 Amazon" "0 Wikipedia" "1 Yahoo!" "0 Intranet")
[[ ${rows[*]} == "${expected[*]}" ]] || fail "saved catalogue is '${rows[*]}', expected '${expected[*]}'"

# --- the entry is greyed out now -------------------------------------------------
# Keyboard navigation skips a disabled entry: Up, Up from the bottom lands on
# "Restore Built-in Engines", which appends the 74 built-in engines still
# missing (an updated one counts as present) instead of opening the update.
bar_start "$LUMORA"
focus_field
open_catalog_menu
x xdotool key Up Up Return
x xdotool key Return
wait_for 5 eval '! window_viewable "$catalog"'
[[ -z $(window_named 'Update Built-in Engines') ]] || fail "the update came up again"
close_bar
count=$(od -An -tu4 -N4 "$saved" | tr -d ' ')
((count == 81)) || fail "after Restore the catalogue holds $count engines, expected 81"
note "ok"
