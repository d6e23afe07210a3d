# Helpers for running the bar through XWayland under a headless Wayland
# compositor; sourcing this brings lib.sh along.
#
#   wl_start_bus              a private D-Bus session bus (WL_BUS)
#   wl_start_kwin             kwin headless with XWayland; sets E2E_DISPLAY
#                             (skips the test where kwin cannot start)
#   wl_xwayland_of <pid>      prints the display of the compositor's Xwayland

# shellcheck source=lib.sh
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

WL_BUS=""
WL_SOCKET=""

skip() {
    echo "SKIP: $*" >&2
    exit 77
}

wl_start_bus() {
    e2e_require dbus-daemon
    local out
    out=$(env -i "${E2E_ENV[@]}" dbus-daemon --session --fork --print-address=1 --print-pid=1 \
        --address="unix:path=$E2E_TMP/runtime/bus")
    WL_BUS=$(sed -n 1p <<<"$out")
    e2e_own "$(sed -n 2p <<<"$out")"
    [[ -n $WL_BUS ]] || fail "no D-Bus session bus"
}

_xwayland_pid() {
    pgrep -P "$1" -x Xwayland | head -n 1
}

# The Xwayland started by the compositor with pid $1 names its display as
# its first argument.
wl_xwayland_of() {
    local pid
    pid=$(_xwayland_pid "$1") || return 1
    [[ -n $pid ]] || return 1
    tr '\0' '\n' <"/proc/$pid/cmdline" | sed -n 2p | grep -x ':[0-9]*'
}

_x_answers() {
    DISPLAY=$1 xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'
}

_kwin_up() {
    kill -0 "$WL_COMPOSITOR_PID" 2>/dev/null || return 0
    local display
    display=$(wl_xwayland_of "$WL_COMPOSITOR_PID") && _x_answers "$display"
}

wl_start_kwin() {
    e2e_require kwin_wayland Xwayland xprop xdotool pgrep
    wl_start_bus
    # In a container the installed binary may refuse to run because it
    # carries a file capability; a copy carries none.
    cp "$(command -v kwin_wayland)" "$E2E_TMP/bin/kwin_wayland"
    WL_SOCKET=wayland-lumora-$$
    env -i "${E2E_ENV[@]}" DBUS_SESSION_BUS_ADDRESS="$WL_BUS" QT_QPA_PLATFORM=offscreen \
        "$E2E_TMP/bin/kwin_wayland" --virtual --xwayland --width "$E2E_SCREEN_W" --height "$E2E_SCREEN_H" \
        --socket "$WL_SOCKET" >"$E2E_TMP/kwin.log" 2>&1 &
    WL_COMPOSITOR_PID=$!
    e2e_own "$WL_COMPOSITOR_PID"
    poll_for 20 _kwin_up || skip "kwin did not bring up XWayland within 20 s: $(tail -n 3 "$E2E_TMP/kwin.log" | tr '\n' ' ')"
    kill -0 "$WL_COMPOSITOR_PID" 2>/dev/null || skip "kwin cannot start here: $(tail -n 3 "$E2E_TMP/kwin.log" | tr '\n' ' ')"
    # Xwayland is the compositor's child, not ours: stop it by its own pid.
    e2e_own "$(_xwayland_pid "$WL_COMPOSITOR_PID")"
    E2E_DISPLAY=$(wl_xwayland_of "$WL_COMPOSITOR_PID")
    _e2e_build_env
    # What a real Plasma Wayland session sets.
    E2E_ENV+=(WAYLAND_DISPLAY="$WL_SOCKET" XDG_SESSION_TYPE=wayland XDG_CURRENT_DESKTOP=KDE
        DBUS_SESSION_BUS_ADDRESS="$WL_BUS")
}
