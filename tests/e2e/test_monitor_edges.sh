#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Lumora developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Two monitors under Xorg, the laptop below the external's top: the pin puts
# the bar back on the laptop's top, a dialog opens on the bar's monitor clear
# of the bar, and a drag let go in the gap above the laptop leaves the bar on
# the external, where it can be seen.
# Usage: test_monitor_edges.sh <path to lumora>
# shellcheck source=bar.sh
source "$(dirname "$0")/bar.sh"
# shellcheck source=xorg.sh
source "$(dirname "$0")/xorg.sh"

xorg_setup "$@"
monitors_laptop_below

# The catalogue's frame lies on the monitor x y w h, centred across it and
# below the bar's bottom edge at `bar_bottom`.
catalogue_on_monitor() {
    local mx=$1 my=$2 mw=$3 mh=$4 bar_bottom=$5 win
    open_popup "$ENGINE_X" "$ENGINE_Y"
    x xdotool key Up Return
    catalog_window() {
        x xdotool search --onlyvisible --pid "$LUMORA_PID" --name '^Catalog$' 2>/dev/null |
            grep -vx "$LUMORA_WIN" | head -n 1
    }
    wait_for 5 eval '[[ -n $(catalog_window) ]]'
    win=$(catalog_window)
    framed() { x xprop -id "$win" _NET_FRAME_EXTENTS | grep -q '='; }
    wait_for 3 framed
    frame_geometry() {
        local cx cy cw ch left right top bottom
        read -r cx cy cw ch <<<"$(window_geometry "$win")"
        read -r left right top bottom <<<"$(x xprop -id "$win" _NET_FRAME_EXTENTS | sed 's/.*= //; s/,//g')"
        echo $((cx - left)) $((cy - top)) $((cw + left + right)) $((ch + top + bottom))
    }
    still() {
        local a
        a=$(frame_geometry)
        sleep 0.1
        [[ $a == "$(frame_geometry)" ]]
    }
    wait_for 3 still
    local fx fy fw fh
    read -r fx fy fw fh <<<"$(frame_geometry)"
    note "catalogue frame at $fx $fy, ${fw}x${fh}"
    ((fx >= mx && fx + fw <= mx + mw && fy >= my && fy + fh <= my + mh)) ||
        fail "the catalogue ($fx $fy ${fw}x$fh) is not on the monitor $mx $my ${mw}x$mh"
    ((fy >= bar_bottom)) || fail "the catalogue's frame starts at y $fy, under the bar (its bottom is at $bar_bottom)"
    local off_centre=$((fx + fw / 2 - (mx + mw / 2)))
    ((off_centre >= -4 && off_centre <= 4)) || fail "the catalogue is ${off_centre} px off its monitor's centre"
    x xdotool key Escape
    wait_for 3 eval '! window_viewable "$win"'
}

left=$((1280 / 2 - BAR_W / 2))
top=$((224 + BAR_SHOWN))
x xdotool mousemove $((left + FIELD_X)) $((top + FIELD_Y))
e2e_start_lumora "$LUMORA"
wait_pos 5 "$left" "$top"

# --- the pin on the lower monitor ---------------------------------------------
# Auto hide is on at a first start: with the pointer away the bar retracts
# to the laptop's top, and the pin puts it back there after a move down,
# never on the top of the whole desktop.
x xdotool mousemove 600 900
wait_pos 3 "$left" $((224 + BAR_HIDDEN))
left=$((left + 40))
x xdotool windowmove "$LUMORA_WIN" "$left" 500
wait_pos 2 "$left" $((224 + BAR_HIDDEN))
# The strip brings it down.
x xdotool mousemove $((left + 100)) 225
wait_pos 3 "$left" "$top"
x xdotool mousemove $((left + FIELD_X)) $((top + FIELD_Y))

# --- a dialog on the laptop ---------------------------------------------------
catalogue_on_monitor 0 224 1280 800 $((top + BAR_H))

# --- onto the external, then a drag let go in the gap above the laptop --------
grab_y=$((top + SURFACE_Y))
x xdotool mousemove $((left + SURFACE_X)) "$grab_y"
x xdotool mousedown 1
x xdotool mousemove $((left + SURFACE_X + 500)) "$grab_y"
x xdotool mousemove $((left + SURFACE_X + 1000)) "$grab_y"
x xdotool mouseup 1
left=$((left + 1000))
wait_pos 3 "$left" "$BAR_SHOWN"

grab_y=$((BAR_SHOWN + SURFACE_Y))
x xdotool mousemove $((left + SURFACE_X)) "$grab_y"
x xdotool mousedown 1
x xdotool mousemove 900 "$grab_y"
x xdotool mousemove 400 "$grab_y"
x xdotool mouseup 1
# Shown or, with auto hide, retracted: on the external's top either way.
at_external_left() { [[ $(bar_pos) == "1280 $BAR_SHOWN" || $(bar_pos) == "1280 $BAR_HIDDEN" ]]; }
poll_for 3 at_external_left || fail "bar at '$(bar_pos)' after a drag let go in the gap, expected x 1280 on the external"
x xdotool mousemove $((1280 + FIELD_X)) $((BAR_SHOWN + FIELD_Y))
wait_pos 3 1280 "$BAR_SHOWN"

# --- a dialog on the external -------------------------------------------------
catalogue_on_monitor 1280 0 1920 1024 $((BAR_SHOWN + BAR_H))
note "ok"
