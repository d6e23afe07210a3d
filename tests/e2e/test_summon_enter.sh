#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Lumora developers
# SPDX-License-Identifier: GPL-3.0-or-later
# After Enter sends a summoned bar back up, the keyboard goes back to the
# window the summon came from when the browser does not take it; a browser
# that raises itself keeps it.
# Usage: test_summon_enter.sh <path to lumora>
# shellcheck source=bar.sh
source "$(dirname "$0")/bar.sh"

e2e_setup "$1"
e2e_require zenity xmessage

x xdotool mousemove 100 600
e2e_start_lumora "$LUMORA"
wait_top 5 "$BAR_HIDDEN"

# The window typed into: zenity's entry prints its text on Enter.
env -i "${E2E_ENV[@]}" GDK_BACKEND=x11 NO_AT_BRIDGE=1 zenity --entry --text Lumora >"$E2E_TMP/zenity.out" 2>/dev/null &
ZENITY_PID=$!
e2e_own "$ZENITY_PID"
# A browser window that is already open.
env -i "${E2E_ENV[@]}" xmessage -geometry +600+400 browser >/dev/null 2>&1 &
e2e_own "$!"
window_of() { x xdotool search --onlyvisible --classname "^$1\$" 2>/dev/null | head -n 1; }
wait_for 10 eval '[[ -n $(window_of zenity) && -n $(window_of xmessage) ]]'
zenity_win=$(window_of zenity) browser_win=$(window_of xmessage)
# GTK gives the focus to a child of its window.
zenity_focused() { [[ $(x xdotool getwindowfocus 2>/dev/null) == "$zenity_win" ]]; }
x xdotool windowactivate "$zenity_win" 2>/dev/null || true
wait_for 3 zenity_focused
x xdotool type --delay 20 ab

summon_search() {
    e2e_env timeout 10 "$LUMORA" --show || fail "lumora --show exited with $?"
    wait_for 3 has_focus "$LUMORA_WIN"
    x xdotool type --delay 20 "$1"
    x xdotool key Return
    wait_for 3 record_has_lines "$2"
    wait_top 5 "$BAR_HIDDEN"
}

# A browser that opens a tab behind: the keys go back to zenity.
summon_search behind 1
wait_for 3 zenity_focused
x xdotool type --delay 20 cd

# A browser that raises itself keeps the focus.
cat >"$E2E_TMP/bin/xdg-open" <<SH
#!/bin/sh
printf '%s\n' "\$1" >>'$E2E_RECORD'
exec xdotool windowactivate $browser_win
SH
summon_search raised 2
wait_for 3 has_focus "$browser_win"
if poll_for 1 eval '! has_focus "$browser_win"'; then
    fail "the raised browser lost the focus to $(focused_window)"
fi

x xdotool windowactivate "$zenity_win" 2>/dev/null || true
wait_for 3 zenity_focused
x xdotool key Return
wait_for 5 eval '! kill -0 "$ZENITY_PID" 2>/dev/null'
[[ $(cat "$E2E_TMP/zenity.out") == abcd ]] || fail "zenity got '$(cat "$E2E_TMP/zenity.out")', expected 'abcd'"
[[ $(record_line 1) == "https://www.google.com/search?q=behind" && $(record_line 2) == "https://www.google.com/search?q=raised" ]] ||
    fail "opened '$(record_line 1)', '$(record_line 2)'"
note "ok"
