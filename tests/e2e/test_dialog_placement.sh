#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Lumora developers
# SPDX-License-Identifier: GPL-3.0-or-later
# A dialog the bar opens comes up under openbox centred on the screen with
# its whole frame, title bar included, below the always-on-top bar.
# Usage: test_dialog_placement.sh <path to lumora>
# shellcheck source=bar.sh
source "$(dirname "$0")/bar.sh"

bar_setup "$@"

# "Edit..." is the engine menu's last entry: it opens the catalogue.
open_popup "$ENGINE_X" "$ENGINE_Y"
x xdotool key Up Return
catalog_window() {
    x xdotool search --onlyvisible --pid "$LUMORA_PID" --name '^Catalog$' 2>/dev/null | grep -vx "$LUMORA_WIN" | head -n 1
}
wait_for 5 eval '[[ -n $(catalog_window) ]]'
win=$(catalog_window)

# The frame as openbox drew it: the client's place grown by the extents.
frame_geometry() {
    local cx cy cw ch left right top bottom
    read -r cx cy cw ch <<<"$(window_geometry "$win")"
    read -r left right top bottom <<<"$(x xprop -id "$win" _NET_FRAME_EXTENTS | sed 's/.*= //; s/,//g')"
    echo $((cx - left)) $((cy - top)) $((cw + left + right)) $((ch + top + bottom))
}
framed() {
    x xprop -id "$win" _NET_FRAME_EXTENTS | grep -q '='
}
wait_for 3 framed
# Let the window manager finish placing it.
sleep_until_still() {
    local a b
    a=$(frame_geometry)
    sleep 0.1
    b=$(frame_geometry)
    [[ $a == "$b" ]]
}
wait_for 3 sleep_until_still
read -r fx fy fw fh <<<"$(frame_geometry)"
note "catalogue frame at $fx $fy, ${fw}x${fh}"

bar_bottom=$((BAR_SHOWN + BAR_H))
((fy >= bar_bottom)) || fail "the catalogue's frame starts at y $fy, under the bar (its bottom is at $bar_bottom)"
off_centre=$((fx + fw / 2 - E2E_SCREEN_W / 2))
((off_centre >= -4 && off_centre <= 4)) || fail "the catalogue is ${off_centre} px off the screen's centre"
((fy + fh <= E2E_SCREEN_H)) || fail "the catalogue runs off the bottom of the screen"

x xdotool key Escape
wait_for 3 eval '! window_viewable "$win"'
note "ok"
