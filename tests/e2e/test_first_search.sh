#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Lumora developers
# SPDX-License-Identifier: GPL-3.0-or-later
# A first run on a fresh data folder under openbox: the bar hangs centred from
# the top edge without a taskbar entry, takes typed queries, hands each
# address to xdg-open, and survives Enter and Escape.
# Usage: test_first_search.sh <path to lumora>
# shellcheck source=bar.sh
source "$(dirname "$0")/bar.sh"

bar_setup "$@"
note "bar window $LUMORA_WIN (pid $LUMORA_PID)"

# --- placement --------------------------------------------------------------
wait_geometry 5 "$BAR_FIRST_X $BAR_SHOWN $BAR_W $BAR_H"

# --- no taskbar entry ----------------------------------------------------------
props=$(x xprop -id "$LUMORA_WIN" _NET_WM_STATE _NET_WM_WINDOW_TYPE)
if ! grep -q '_NET_WM_STATE_SKIP_TASKBAR' <<<"$props" &&
    ! grep -q '_NET_WM_WINDOW_TYPE_DOCK' <<<"$props"; then
    fail "bar would get a taskbar entry: $props"
fi

# --- the application icon ------------------------------------------------------------
has_icon() {
    [[ $(x xprop -id "$LUMORA_WIN" _NET_WM_ICON) == *"Icon (32 x 32)"* ]]
}
wait_for 5 has_icon

# --- keyboard focus -------------------------------------------------------------
focus_field

# --- an abbreviation search ---------------------------------------------------------
x xdotool type --delay 20 'w Dublin Bay'
x xdotool key Return
wait_for 5 record_has_lines 1
line=$(record_line 1)
[[ $line == https://*wikipedia.org*/wiki/Dublin%20Bay ]] ||
    fail "first search opened '$line', expected https://<wikipedia host>/wiki/Dublin%20Bay"

# --- Enter did not end the bar; the next search goes to the current engine ---------
x xdotool key ctrl+a BackSpace
x xdotool type --delay 20 'cats'
x xdotool key Return
wait_for 5 record_has_lines 2
line=$(record_line 2)
[[ $line == https://*google*/search\?q=cats ]] ||
    fail "second search opened '$line', expected https://<google host>/search?q=cats"

# --- Escape does not close the bar --------------------------------------------------
# A search typed after Escape proves the key has been handled before we look.
x xdotool key Escape
x xdotool key ctrl+a BackSpace
x xdotool type --delay 20 'dogs'
x xdotool key Return
wait_for 5 record_has_lines 3
line=$(record_line 3)
[[ $line == *"/search?q=dogs" ]] || fail "search after Escape opened '$line'"
kill -0 "$LUMORA_PID" 2>/dev/null || fail "lumora exited after Escape"
window_viewable "$LUMORA_WIN" || fail "bar window is no longer viewable after Escape"

(($(record_count) == 3)) || fail "expected exactly 3 opened addresses, got $(record_count)"
note "ok"
