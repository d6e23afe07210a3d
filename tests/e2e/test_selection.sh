#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Lumora developers
# SPDX-License-Identifier: GPL-3.0-or-later
# "lumora --selection" and its hotkey (Ctrl+Alt+Shift+Space) bring the bar
# down with the text selected in another program (xclip owns it here) in the
# field, the cursor at its start: Enter searches it, an abbreviation typed
# first picks the engine. With nothing selected the clipboard's text comes;
# with neither it is a plain summon; an owner that never answers delays the
# bar by a second at most.
# Usage: test_selection.sh <path to lumora>
# shellcheck source=bar.sh
source "$(dirname "$0")/bar.sh"

e2e_require xclip
e2e_setup "$@"

exited() { ! kill -0 "$1" 2>/dev/null; }

selection_holds() {
    [[ $(x xclip -o -selection "$1" 2>/dev/null) == "$(cat "$E2E_TMP/selection")" ]]
}

# own_selection <primary|clipboard> <text>: an xclip in the foreground owns
# the selection until it is stopped; its pid in owner_pid.
own_selection() {
    printf '%s' "$2" >"$E2E_TMP/selection"
    env -i "${E2E_ENV[@]}" xclip -quiet -selection "$1" -i "$E2E_TMP/selection" >/dev/null 2>&1 &
    owner_pid=$!
    e2e_own "$owner_pid"
    wait_for 5 selection_holds "$1"
}

expect_record() {
    local n=$1 want=$2
    wait_for 5 record_has_lines "$n"
    [[ $(record_line "$n") == "$want" ]] || fail "search $n opened '$(record_line "$n")', expected $want"
}

selection_summon() {
    local rc=0
    e2e_env timeout 10 "$LUMORA" --selection >/dev/null 2>"$E2E_TMP/later.err" || rc=$?
    ((rc == 0)) || fail "--selection exited with $rc: $(cat "$E2E_TMP/later.err")"
    wait_top 3 "$BAR_SHOWN"
    wait_for 3 has_focus "$LUMORA_WIN"
}

x xdotool mousemove 100 400
e2e_start_lumora "$LUMORA"
wait_top 5 "$BAR_HIDDEN"

# --- the primary selection, line breaks and tabs made spaces --------------------
own_selection primary $'Dublin\tBay\nlighthouse\n'
selection_summon
x xdotool key Return
expect_record 1 'https://www.google.com/search?q=Dublin+Bay+lighthouse'
wait_top 3 "$BAR_HIDDEN"

# The cursor is at the start: "w " typed first sends it to Wikipedia.
selection_summon
x xdotool type --delay 20 'w '
x xdotool key Return
expect_record 2 'https://en.wikipedia.org/wiki/Dublin%20Bay%20lighthouse'
wait_top 3 "$BAR_HIDDEN"

# --- the hotkey does the same ------------------------------------------------------
_stop_pid "$owner_pid"
own_selection primary 'by hotkey'
x xdotool key ctrl+alt+shift+space
wait_top 3 "$BAR_SHOWN"
wait_for 3 has_focus "$LUMORA_WIN"
x xdotool key Return
expect_record 3 'https://www.google.com/search?q=by+hotkey'
wait_top 3 "$BAR_HIDDEN"

# --- nothing selected: the clipboard; neither: the field as it was -----------------
_stop_pid "$owner_pid"
own_selection clipboard 'from the clipboard'
selection_summon
x xdotool key Return
expect_record 4 'https://www.google.com/search?q=from+the+clipboard'
wait_top 3 "$BAR_HIDDEN"
_stop_pid "$owner_pid"
selection_summon
x xdotool key Return
expect_record 5 'https://www.google.com/search?q=from+the+clipboard'
wait_top 3 "$BAR_HIDDEN"

# --- an owner that never answers holds the bar back a second at most --------------
own_selection primary 'never sent'
kill -STOP "$owner_pid"
selection_summon
kill -CONT "$owner_pid"
x xdotool key Return
expect_record 6 'https://www.google.com/search?q=from+the+clipboard'

e2e_env timeout 10 "$LUMORA" --quit
wait_for 5 exited "$LUMORA_PID"
note "ok"
