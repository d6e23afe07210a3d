#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Lumora developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Keywords from a Firefox, a Chrome and a KDE profile come over in two clicks
# ("Import..." in the catalogue's context menu, then OK) and work as soon as
# the catalogue's OK is pressed, each search in its site's charset.
# Usage: test_import.sh <path to lumora> <path to make_import_home>
# shellcheck source=bar.sh
source "$(dirname "$0")/bar.sh"

make_home=${2:?usage: $0 <lumora> <make_import_home>}
require_built "$make_home"
bar_setup "$1"
"$make_home" "$E2E_TMP/home" "$E2E_TMP/config" "$E2E_TMP/data" || fail "cannot make the browser files"
# And a profile Firefox ESR wrote itself, with engines in ISO-8859-1 and windows-1251.
mkdir -p "$E2E_TMP/config/mozilla"
cp -r "$(dirname "$0")/../import/fixtures/firefox" "$E2E_TMP/config/mozilla/firefox"

# The bar's visible window with exactly this title.
window_named() {
    local w
    for w in $(x xdotool search --onlyvisible --pid "$LUMORA_PID" 2>/dev/null); do
        [[ $(x xdotool getwindowname "$w" 2>/dev/null) == "$1" ]] && { echo "$w"; return; }
    done
}

# The catalogue, from "Edit..." at the end of the engine menu.
open_popup "$ENGINE_X" "$ENGINE_Y"
x xdotool key Up Return
window_up() {
    [[ -n $(window_named "$1") ]]
}

wait_for 5 window_up Catalog
catalog=$(window_named Catalog)

# A right click into the list, then "Import...", the menu's last entry.
x xdotool mousemove --window "$catalog" 120 120 click 3
wait_for 3 eval '[[ $(x xdotool search --onlyvisible --pid "$LUMORA_PID" 2>/dev/null | wc -l) -ge 3 ]]'
x xdotool key Up Return
wait_for 10 window_up 'Import Engines'
importer=$(window_named 'Import Engines')
[[ -n ${E2E_SHOT-} ]] && { sleep 0.5; x import -window root "$E2E_SHOT" || true; }

# Enter, then Space, on "OpenSearch file..." (the last source) open the file
# chooser; Escape there leaves the import dialog open.
wait_for 3 has_focus "$importer"
for key in Return space; do
    x xdotool key End "$key"
    wait_for 5 window_up 'OpenSearch file'
    x xdotool key Escape
    wait_for 5 eval '[[ -z $(window_named "OpenSearch file") ]]'
    window_viewable "$importer" || fail "$key on \"OpenSearch file...\" closed the import dialog"
    wait_for 3 has_focus "$importer"
done

# OK in the import dialog, OK in the catalogue.
x xdotool key Home Return
wait_for 5 eval '! window_viewable "$importer"'
x xdotool key Return
wait_for 5 eval '! window_viewable "$catalog"'

focus_field
search_for 'wk cats'
wait_for 5 record_has_lines 1
line=$(record_line 1)
[[ $line == "https://wk.example.org/?q=cats" ]] || fail "the Firefox keyword opened '$line'"
search_for 'kb 4711'
wait_for 5 record_has_lines 2
line=$(record_line 2)
[[ $line == "https://bugs.example.org/4711" ]] || fail "the KDE keyword opened '$line'"
search_for 'fxa lamp'
wait_for 5 record_has_lines 3
line=$(record_line 3)
[[ $line == "https://added.example.org/?q=lamp" ]] || fail "the added Firefox engine opened '$line'"
# The real Firefox profile's engines: its site gets ISO-8859-1 and
# windows-1251 bytes, as Firefox sends them; in the path a space is %20.
# The letters are typed on a keyboard layout that has them: xdotool's own
# way, a key remapped for a moment, races with the bar reading the new map.
search_in_layout() {
    pointer_to "$FIELD_X" "$FIELD_Y"
    wait_for 3 has_focus "$LUMORA_WIN"
    x xdotool key ctrl+a BackSpace
    x xdotool type --delay 20 "$1"
    x setxkbmap -layout "$2"
    x xdotool type --delay 20 "$3"
    x setxkbmap -layout us
    x xdotool key Return
}
search_in_layout 'lx ' de 'Über Straße'
wait_for 5 record_has_lines 4
line=$(record_line 4)
[[ $line == "https://lexique.example.fr/cherche?mot=%DCber+Stra%DFe" ]] || fail "the ISO-8859-1 engine opened '$line'"
search_in_layout 'mt ' ru 'жук'
wait_for 5 record_has_lines 5
line=$(record_line 5)
[[ $line == "https://www.multitran.com/m.exe?l1=1&l2=2&s=%E6%F3%EA" ]] || fail "the windows-1251 engine opened '$line'"
search_for 'deb dpkg dev'
wait_for 5 record_has_lines 6
line=$(record_line 6)
[[ $line == "https://packages.debian.org/bookworm/dpkg%20dev" ]] || fail "the keyword in the path opened '$line'"
note "ok"
