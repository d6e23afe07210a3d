#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Lumora developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Earlier searches under openbox: kept across restarts and a SIGKILL, Up
# recalls the newest, the first letters open the list and Down, Enter search
# its entry, Shift+Delete removes one for good, "Remember Searches" off keeps
# nothing and "Clear History" empties the file; the list holds the bar down
# and a click on it searches.
# Usage: test_history.sh <path to lumora>
# shellcheck source=bar.sh
source "$(dirname "$0")/bar.sh"

bar_setup "$@"
history=$E2E_TMP/state/Lumora/history
ini=$E2E_TMP/config/Lumora/lumora.ini

# The file's lines, newest first ("" for an empty file).
history_is() {
    [[ -f $history && $(cat "$history") == "$1" ]]
}

expect_history() {
    poll_for "$(e2e_scaled 5)" history_is "$1" ||
        fail "history holds '$(cat "$history" 2>&1)', expected '$1'"
}

clear_field() {
    x xdotool key ctrl+a BackSpace
}

# Searches with what is in the field after the keys, and checks the address.
expect_search() {
    local n=$1 pattern=$2
    wait_for 5 record_has_lines "$n"
    # shellcheck disable=SC2053
    [[ $(record_line "$n") == $pattern ]] || fail "search $n opened '$(record_line "$n")', expected $pattern"
}

restart_bar() {
    _stop_pid "$LUMORA_PID"
    bar_start "$LUMORA"
    focus_field
}

# The n-th entry of the options menu, counted from the top by Down.
options_entry() {
    open_popup "$OPTIONS_X" "$OPTIONS_Y"
    local keys=()
    for ((i = 0; i < $1; i++)); do keys+=(Down); done
    x xdotool key "${keys[@]}" Return
    wait_for 3 eval '! popup_open'
}
REMEMBER_ENTRY=8
CLEAR_ENTRY=9

focus_field

# --- two searches are kept, newest first, 0600 in a 0700 folder ---------------------
search_for 'w Dublin Bay'
expect_search 1 'https://*wikipedia.org*/wiki/Dublin%20Bay'
search_for 'cats'
expect_search 2 'https://*google*/search?q=cats'
expect_history $'cats\nw Dublin Bay'
[[ $(stat -c %a "$history") == 600 ]] || fail "history has mode $(stat -c %a "$history"), expected 600"
[[ $(stat -c %a "${history%/*}") == 700 ]] || fail "its folder has mode $(stat -c %a "${history%/*}")"

# --- after a restart, Up brings back the newest and Enter sends it again -------------
restart_bar
clear_field
x xdotool key Up Return
expect_search 3 'https://*google*/search?q=cats'

# --- the first letters show the list; Down, Enter searches the entry ----------------
clear_field
x xdotool type --delay 20 'w D'
wait_for 3 popup_open
x xdotool key Down Return
expect_search 4 'https://*wikipedia.org*/wiki/Dublin%20Bay'
wait_for 3 eval '! popup_open'
expect_history $'w Dublin Bay\ncats'

# --- Shift+Delete removes the highlighted entry for good -----------------------------
clear_field
x xdotool type --delay 20 'c'
wait_for 3 popup_open
x xdotool key Down shift+Delete
expect_history 'w Dublin Bay'
wait_for 3 eval '! popup_open'  # nothing else begins with c
restart_bar
clear_field
# Up twice: the one entry left, nothing older.
x xdotool key Up Up Return
expect_search 5 'https://*wikipedia.org*/wiki/Dublin%20Bay'
expect_history 'w Dublin Bay'

# --- Clear History empties it at once ------------------------------------------------
options_entry "$CLEAR_ENTRY"
expect_history ''

# --- Remember Searches off keeps nothing, also after a restart -----------------------
options_entry "$REMEMBER_ENTRY"
wait_for 3 grep -qx 'history=off' "$ini"
search_for 'secret'
expect_search 6 'https://*google*/search?q=secret'
history_is '' || fail "a search was kept with Remember Searches off: $(cat "$history")"
restart_bar
search_for 'secret two'
expect_search 7 'https://*google*/search?q=secret+two'
history_is '' || fail "a search was kept after a restart with Remember Searches off"

# --- on again: a search followed by SIGKILL is there at the next start --------------
options_entry "$REMEMBER_ENTRY"
wait_for 3 grep -qx 'history=on' "$ini"
search_for 'killed query'
expect_search 8 'https://*google*/search?q=killed+query'
kill -KILL "$LUMORA_PID"
wait "$LUMORA_PID" 2>/dev/null || true
expect_history 'killed query'
bar_start "$LUMORA"
focus_field
clear_field
x xdotool key Up Return
expect_search 9 'https://*google*/search?q=killed+query'

# --- with the pointer on the list, auto hide keeps the bar down; a click searches ------
clear_field
x xdotool type --delay 20 'k'
wait_for 3 popup_open
list=$(x xdotool search --onlyvisible --pid "$LUMORA_PID" | grep -vx "$LUMORA_WIN" | head -n 1)
read -r list_x list_y _ list_h <<<"$(window_geometry "$list")"
note "list at $list_x,$list_y, $list_h high"
# On the list's last row, below the bar: once the list goes, the pointer is
# over the bare desktop.
x xdotool mousemove $((list_x + 20)) $((list_y + list_h - 4))
stays_top 1.2 "$BAR_SHOWN"
x xdotool click 1
expect_search 10 'https://*google*/search?q=killed+query'
has_focus "$LUMORA_WIN" || fail "the click on the list took the keyboard from the bar"
# The list is gone and the pointer is off the bar: up it goes.
wait_for 3 eval '! popup_open'
wait_top 3 "$BAR_HIDDEN"

(($(record_count) == 10)) || fail "expected exactly 10 opened addresses, got $(record_count)"
note "ok"
