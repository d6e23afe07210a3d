# SPDX-FileCopyrightText: 2026 The Lumora developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Helpers for tests on the running bar; sourcing this brings lib.sh along.
# Positions are the bar's screen geometry, "x y w h".
#
#   bar_setup <bin>           e2e_setup, then bar_start; sets bar_x
#   bar_start <bin>           start the bar with the pointer over its field
#   pointer_over_field <x>    pointer on the field of a shown bar at x
#   focus_field               the field has the keyboard focus, clicked if need be
#   bar_pos                   prints "x y" of the bar
#   wait_geometry <secs> <g>  the bar's "x y w h" becomes g within the deadline
#   wait_pos <secs> <x> <y>   the bar reaches x, y within the deadline
#   wait_top <secs> <y>       the bar's top edge reaches y within the deadline
#   stays_top <secs> <y>      the top edge stays at y for that long
#   pointer_to <cx> <cy>      pointer to a point in the bar's client coordinates
#   popup_open                a popup window of the bar is on screen
#   open_popup <cx> <cy>      click a box of the bar and wait for its popup
#   search_for <query>        into the field, replacing its text, and Enter

# shellcheck source=lib.sh
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

BAR_W=210
BAR_H=60
BAR_SHOWN=-2
BAR_HIDDEN=$((3 - BAR_H))
# A first start centres the bar.
BAR_FIRST_X=$((E2E_SCREEN_W / 2 - BAR_W / 2))

# Client points of the bar's areas.
SURFACE_X=150 SURFACE_Y=15
ENGINE_X=50 ENGINE_Y=14
OPTIONS_X=187 OPTIONS_Y=16
FIELD_X=60 FIELD_Y=40

bar_pos() {
    local g
    g=$(window_geometry "$LUMORA_WIN")
    echo "${g% * *}"
}

_pos_is() {
    [[ $(bar_pos) == "$1 $2" ]]
}

_top_is() {
    local p
    p=$(bar_pos)
    [[ ${p#* } == "$1" ]]
}

_geometry_is() {
    [[ $(window_geometry "$LUMORA_WIN") == "$1" ]]
}

wait_geometry() {
    poll_for "$1" _geometry_is "$2" ||
        fail "bar geometry is '$(window_geometry "$LUMORA_WIN")', expected '$2' (x y w h)"
}

wait_pos() {
    poll_for "$1" _pos_is "$2" "$3" || fail "bar at '$(bar_pos)', expected '$2 $3' within $1 s"
}

wait_top() {
    poll_for "$1" _top_is "$2" || fail "bar at '$(bar_pos)', expected its top at $2 within $1 s"
}

# Microseconds from now until a deadline in seconds, fraction allowed ("1.5").
_deadline_us() {
    local whole=${1%%.*} frac=""
    [[ $1 == *.* ]] && frac=${1#*.}
    frac=${frac}000000
    echo $(($(_now_us) + 10#${whole:-0} * 1000000 + 10#${frac:0:6}))
}

stays_top() {
    local end
    end=$(_deadline_us "$1")
    while (($(_now_us) < end)); do
        _top_is "$2" || fail "bar moved to '$(bar_pos)' while it should have stayed at top $2"
        sleep 0.05
    done
}

pointer_to() {
    local p
    p=$(bar_pos)
    x xdotool mousemove $((${p% *} + $1)) $((${p#* } + $2))
}

popup_open() {
    x xdotool search --onlyvisible --pid "$LUMORA_PID" 2>/dev/null | grep -qvx "$LUMORA_WIN"
}

open_popup() {
    pointer_to "$1" "$2"
    x xdotool click 1
    wait_for 3 popup_open
}

search_for() {
    pointer_to "$FIELD_X" "$FIELD_Y"
    wait_for 3 has_focus "$LUMORA_WIN"
    x xdotool key ctrl+a BackSpace
    x xdotool type --delay 20 "$1"
    x xdotool key Return
}

# Milliseconds since a time taken with _now_us.
ms_since() {
    echo $((($(_now_us) - $1) / 1000))
}

# Auto hide is on at a first start: a pointer resting where the field will be
# keeps the bar down once it is up.
pointer_over_field() {
    x xdotool mousemove $(($1 + FIELD_X)) $((BAR_SHOWN + FIELD_Y))
}

bar_start() {
    pointer_over_field "$BAR_FIRST_X"
    e2e_start_lumora "$1"
    wait_top 5 "$BAR_SHOWN"
}

bar_setup() {
    e2e_setup "$@"
    bar_start "$LUMORA"
    read -r bar_x _ <<<"$(bar_pos)"
}

# The query field should take typing straight away; a click into it is the
# fallback, and the log says so.
focus_field() {
    poll_for 3 has_focus "$LUMORA_WIN" && return
    note "bar did not have the keyboard focus after start (focus: $(focused_window)); clicking into the query field"
    x xdotool mousemove --window "$LUMORA_WIN" "$FIELD_X" "$FIELD_Y" click 1
    wait_for 3 has_focus "$LUMORA_WIN"
}
