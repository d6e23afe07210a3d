#!/usr/bin/env bash
# The bar on a GNOME Wayland desktop (headless mutter, the bar through
# XWayland), driven with the compositor's own pointer and keyboard: where it
# sits and that it has no frame, that it takes the keyboard at start and a
# search typed there reaches the opener.
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
[[ $(record_line 1) == "http://www.google.com/search?q=mutter+gnome" ]] || fail "opened '$(record_line 1)'"

note "ok"
