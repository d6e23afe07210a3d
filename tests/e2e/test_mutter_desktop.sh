#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Lumora developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The bar on a GNOME Wayland desktop (headless mutter, the bar through
# XWayland), driven with the compositor's own pointer and keyboard: where it
# sits and that it has no frame, that it takes the keyboard at start and a
# search typed there reaches the opener, that auto hide follows the real
# pointer off the bar onto the bare desktop and back onto the strip, and that
# a summon from a native Wayland window gives that window the keyboard back
# on Escape and after Enter.
# XTEST would move only Xwayland's pointer, which the compositor never sees,
# so xdotool here only reads the windows' state.
# Usage: test_mutter_desktop.sh <path to lumora>
# shellcheck source=bar.sh
source "$(dirname "$0")/bar.sh"
# shellcheck source=wayland.sh
source "$(dirname "$0")/wayland.sh"

LUMORA=${1:?usage: $0 <lumora binary>}
[[ -x $LUMORA ]] || fail "no lumora binary at $LUMORA"

e2e_init
wl_start_mutter
note "mutter on $WL_SOCKET, XWayland on $E2E_DISPLAY"
wl_start_input

# Real pointer events come about 60 times a second, 15-20 px apart.
glide() {
    local x0=$1 y0=$2 x1=$3 y1=$4
    local d=$(((x1 - x0) * (x1 - x0) + (y1 - y0) * (y1 - y0)))
    local steps
    steps=$(awk -v d="$d" 'BEGIN { s = int(sqrt(d) / 18 + 0.999); print (s < 1 ? 1 : s) }')
    wl_input glide "$x0" "$y0" "$x1" "$y1" "$steps" 16
}

# --- (a) where the bar sits at start, frameless ------------------------------------
# Auto hide is on at a first start: the pointer waits where the field will be.
field_x=$((BAR_FIRST_X + FIELD_X)) field_y=$((BAR_SHOWN + FIELD_Y))
wl_input move "$field_x" "$field_y"
e2e_start_lumora "$LUMORA"
wait_for 5 _top_is "$BAR_SHOWN"
read -r bar_x bar_y <<<"$(bar_pos)"
note "bar at $bar_x $bar_y"
((bar_x == BAR_FIRST_X)) || fail "bar at x $bar_x, expected $BAR_FIRST_X (centred)"
x xwininfo -id "$LUMORA_WIN" -tree | grep -q 'Parent window id: .*(the root window)' ||
    fail "the bar has a frame: $(x xwininfo -id "$LUMORA_WIN" -tree | grep 'Parent window id')"

# --- (b) the keyboard at start, and a search typed on the compositor's keyboard -----
wait_for 1 has_focus "$LUMORA_WIN"
note "focus at start: $(focused_window) (bar $LUMORA_WIN)"
# The first key press of a remote-desktop session never reaches the X server.
wl_input key Shift_L
wl_input type mutter gnome
wl_input key Return
wait_for 3 record_has_lines 1
[[ $(record_line 1) == "https://www.google.com/search?q=mutter+gnome" ]] || fail "opened '$(record_line 1)'"

# --- (c) auto hide with the real pointer, off the bar onto the bare desktop --------
# Off the bar downwards, then sideways: each time the bar retracts, and the
# pointer resting on the strip brings it back.
strip_x=$((bar_x + 100))
off_bar() {
    local round=$1 to_x=$2 to_y=$3 t0
    wl_input move "$field_x" "$field_y"
    t0=$(_now_us)
    glide "$field_x" "$field_y" "$to_x" "$to_y"
    poll_for "$(e2e_scaled 2)" _top_is "$BAR_HIDDEN" ||
        fail "$round: the pointer left the bar for the desktop, the bar stayed at '$(bar_pos)' (expected top $BAR_HIDDEN); X pointer: $(x xdotool getmouselocation)"
    note "$round: hidden $(ms_since "$t0") ms after the pointer set off"
    [[ $(bar_pos) == "$bar_x $BAR_HIDDEN" ]] || fail "hiding moved the bar sideways: $(bar_pos)"
    t0=$(_now_us)
    glide "$to_x" "$to_y" "$strip_x" 1
    wait_for 2 _top_is "$BAR_SHOWN"
    note "$round: shown $(ms_since "$t0") ms after the pointer set off for the strip"
}
off_bar downwards "$field_x" 400
off_bar sideways $((bar_x - 250)) "$field_y"

# --- (d) a summon from a native Wayland window ---------------------------------------
# X has no name for that window: Escape and Enter must let the compositor hand
# the keyboard back. zenity's protocol log shows each keyboard enter.
e2e_require zenity
env -i "${E2E_ENV[@]}" GDK_BACKEND=wayland WAYLAND_DEBUG=client NO_AT_BRIDGE=1 \
    zenity --entry --text Lumora >"$E2E_TMP/zenity.out" 2>"$E2E_TMP/zenity.log" &
ZENITY_PID=$!
e2e_own "$ZENITY_PID"
keyboard_enters() { grep -c 'wl_keyboard@[0-9]*\.enter(' "$E2E_TMP/zenity.log" || true; }
zenity_has_keyboard() { (($(keyboard_enters) >= $1)); }
wait_for 10 grep -q 'wl_surface@[0-9]*\.enter(wl_output' "$E2E_TMP/zenity.log"
# Off the strip onto the desktop, then a click into zenity (mutter places the
# first window at the top left).
glide "$strip_x" 1 "$strip_x" 400
wait_top 3 "$BAR_HIDDEN"
wl_input move 100 100
wl_input click
wait_for 3 zenity_has_keyboard 1
wl_input type ab
summon_from_zenity() {
    e2e_env timeout 10 "$LUMORA" --show || fail "lumora --show exited with $?"
    wait_top 5 "$BAR_SHOWN"
    wait_for 3 has_focus "$LUMORA_WIN"
}
summon_from_zenity
wl_input type lost
wl_input key Escape
wait_top 5 "$BAR_HIDDEN"
wait_for 3 zenity_has_keyboard 2
wl_input type cd
summon_from_zenity
wl_input type wayland
wl_input key Return
wait_for 3 record_has_lines 2
[[ $(record_line 2) == "https://www.google.com/search?q=wayland" ]] || fail "opened '$(record_line 2)'"
wait_for 3 zenity_has_keyboard 3
wl_input type ef
wl_input key Return
wait_for 5 eval '! kill -0 "$ZENITY_PID" 2>/dev/null'
[[ $(cat "$E2E_TMP/zenity.out") == abcdef ]] || fail "zenity got '$(cat "$E2E_TMP/zenity.out")', expected 'abcdef'"

kill -0 "$LUMORA_PID" 2>/dev/null || fail "lumora exited"
note "ok"
