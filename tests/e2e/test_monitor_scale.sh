#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Lumora developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Two monitors under Xorg with Qt scaling everything by 2: what the window
# system reports stays where the bar's rules put it, in device pixels. The
# bar starts centred on the laptop below the external's top, hangs from the
# laptop's top and retracts to a strip on it, follows a drag onto the
# external, is pinned back to the external's top, and a restart brings it
# back to the same place.
# Usage: test_monitor_scale.sh <path to lumora>
# shellcheck source=bar.sh
source "$(dirname "$0")/bar.sh"
# shellcheck source=xorg.sh
source "$(dirname "$0")/xorg.sh"

xorg_setup "$@"
monitors_laptop_below
E2E_ENV+=(QT_SCALE_FACTOR=2)

# The bar in device pixels: twice its size, its places twice as far from
# its monitor's top.
w=$((2 * BAR_W)) h=$((2 * BAR_H))
shown=$((2 * BAR_SHOWN)) hidden=$((2 * BAR_HIDDEN))
left=$((1280 / 2 - w / 2))

x xdotool mousemove $((left + 2 * FIELD_X)) $((224 + shown + 2 * FIELD_Y))
e2e_start_lumora "$LUMORA"
wait_geometry 5 "$left $((224 + shown)) $w $h"

# Auto hide is on at a first start: away from it the bar leaves its strip on
# the laptop's top, and the strip brings it down.
x xdotool mousemove 600 900
wait_pos 3 "$left" $((224 + hidden))
x xdotool mousemove $((left + 200)) 226
wait_pos 3 "$left" $((224 + shown))

# A drag of 1000 device pixels carries it onto the external, by as much.
grab_x=$((left + 2 * SURFACE_X)) grab_y=$((224 + shown + 2 * SURFACE_Y))
x xdotool mousemove "$grab_x" "$grab_y"
x xdotool mousedown 1
x xdotool mousemove $((grab_x + 500)) "$grab_y"
x xdotool mousemove $((grab_x + 1000)) "$grab_y"
x xdotool mouseup 1
left=$((left + 1000))
on_external() { [[ $(bar_pos) == "$left $shown" || $(bar_pos) == "$left $hidden" ]]; }
poll_for 3 on_external || fail "bar at '$(bar_pos)' after the drag, expected x $left on the external's top"

# Moved down, it is pinned back to the external's top at its new x.
x xdotool mousemove 2000 900
wait_pos 3 "$left" "$hidden"
x xdotool windowmove "$LUMORA_WIN" 1900 400
wait_pos 2 1900 "$hidden"

# A new start brings it back to the same place.
_stop_pid "$LUMORA_PID"
LUMORA_PID=
e2e_start_lumora "$LUMORA"
at_1900() { [[ $(bar_pos) == "1900 $shown" || $(bar_pos) == "1900 $hidden" ]]; }
poll_for 5 at_1900 || fail "bar at '$(bar_pos)' after a restart, expected x 1900 on the external's top"
note "ok"
