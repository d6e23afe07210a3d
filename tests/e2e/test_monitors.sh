#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Lumora developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Two monitors under Xorg: the bar hangs from the top of the monitor it is
# on, is centred on the primary, can be summoned and searched there, and
# moves to the primary when its monitor goes away, back when it returns.
# Usage: test_monitors.sh <path to lumora>
# shellcheck source=bar.sh
source "$(dirname "$0")/bar.sh"
# shellcheck source=xorg.sh
source "$(dirname "$0")/xorg.sh"

xorg_setup "$@"

# --- the primary on the right: centred on it ---------------------------------
monitors_primary_right
x xdotool mousemove 2000 500
e2e_start_lumora "$LUMORA"
wait_pos 5 $((1280 + 1920 / 2 - BAR_W / 2)) "$BAR_SHOWN"
_stop_pid "$LUMORA_PID"
LUMORA_PID=

# --- a laptop below the external's top ---------------------------------------
rm -rf "$E2E_TMP/config/Lumora"
x xrandr --delmonitor L --delmonitor R >/dev/null
monitors_laptop_below
left=$((1280 / 2 - BAR_W / 2))
x xdotool mousemove $((left + FIELD_X)) $((224 + BAR_SHOWN + FIELD_Y))
e2e_start_lumora "$LUMORA"
wait_pos 5 "$left" $((224 + BAR_SHOWN))

# Auto hide on by a double click: the strip stays on the laptop's top.
x xdotool mousemove $((left + 100)) $((224 + 10)) click --repeat 2 --delay 80 1
x xdotool mousemove 600 700
wait_pos 5 "$left" $((224 + BAR_HIDDEN))
# The strip brings it down.
x xdotool mousemove $((left + 100)) 225
wait_pos 5 "$left" $((224 + BAR_SHOWN))
x xdotool mousemove 600 700
wait_pos 5 "$left" $((224 + BAR_HIDDEN))

# A summon shows it there; typing and Enter search.
e2e_env "$LUMORA" --show
wait_pos 5 "$left" $((224 + BAR_SHOWN))
x xdotool type --delay 20 'cats'
x xdotool key Return
wait_for 5 record_has_lines 1
[[ $(record_line 1) == *cats* ]] || fail "search opened '$(record_line 1)'"

# --- the bar's monitor goes away and comes back ------------------------------
# Without L the automatic monitor of the whole output (at 0,0) is the primary.
x xrandr --delmonitor L >/dev/null
wait_pos 1.5 "$left" "$BAR_HIDDEN"
x xrandr --setmonitor L 1280/338x800/211+0+224 DUMMY0 >/dev/null
wait_pos 1.5 "$left" $((224 + BAR_HIDDEN))
note "ok"
