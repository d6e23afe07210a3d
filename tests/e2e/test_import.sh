#!/usr/bin/env bash
# Keywords from a Firefox, a Chrome and a KDE profile come over in two clicks
# ("Import..." in the catalogue's context menu, then OK) and work as soon as
# the catalogue's OK is pressed.
# Usage: test_import.sh <path to lumora> <path to make_import_home>
# shellcheck source=bar.sh
source "$(dirname "$0")/bar.sh"

make_home=${2:?usage: $0 <lumora> <make_import_home>}
require_built "$make_home"
bar_setup "$1"
"$make_home" "$E2E_TMP/home" "$E2E_TMP/config" "$E2E_TMP/data" || fail "cannot make the browser files"

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

# OK in the import dialog, OK in the catalogue.
wait_for 3 has_focus "$importer"
x xdotool key Return
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
note "ok"
