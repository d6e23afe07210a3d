# Helpers for the bar's interaction tests; source after lib.sh and call
# bar_start once. Positions are the bar's screen geometry, "x y w h".
#
#   bar_start <bin>           start the bar with the pointer over its field
#   bar_pos                   prints "x y" of the bar
#   wait_pos <secs> <x> <y>   the bar reaches x, y within the deadline
#   wait_top <secs> <y>       the bar's top edge reaches y within the deadline
#   stays_top <secs> <y>      the top edge stays at y for that long
#   pointer_to <cx> <cy>      pointer to a point in the bar's client coordinates
#   popup_open                a popup window of the bar is on screen

BAR_H=60
BAR_SHOWN=-2
BAR_HIDDEN=$((3 - BAR_H))

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

# Milliseconds since a time taken with _now_us.
ms_since() {
    echo $((($(_now_us) - $1) / 1000))
}

bar_start() {
    # Auto hide is on at a first start: keep the pointer where the field
    # will be until the bar is up.
    local bar_x=$((E2E_SCREEN_W / 2 - 105))
    x xdotool mousemove $((bar_x + FIELD_X)) $((BAR_SHOWN + FIELD_Y))
    e2e_start_lumora "$1"
    wait_top 5 "$BAR_SHOWN"
}
