# SPDX-FileCopyrightText: 2026 The Lumora developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Helpers for running the bar through XWayland under a headless Wayland
# compositor; sourcing this brings lib.sh along.
#
#   wl_start_bus              a private D-Bus session bus (WL_BUS)
#   wl_start_kwin             kwin headless with XWayland; sets E2E_DISPLAY
#                             (skips the test where kwin cannot start)
#   wl_start_mutter           GNOME's mutter headless, with PipeWire for its
#                             remote desktop and XWayland; sets E2E_DISPLAY
#                             (skips the test where mutter cannot start)
#   wl_start_input            mutter's own pointer and keyboard, through its
#                             remote desktop (tools/mutter_input.py)
#   wl_input <command...>     one command to it, done when this returns
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

# mutter names its X11 displays in its log: the public one for clients, a
# second one for its own services.
_mutter_display() {
    grep -o 'Using public X11 display :[0-9]*' "$E2E_TMP/mutter.log" | head -n 1 | grep -o ':[0-9]*$'
}

_mutter_up() {
    kill -0 "$WL_COMPOSITOR_PID" 2>/dev/null || return 0
    local display cookie
    display=$(_mutter_display) || return 1
    cookie=$(_mutter_cookie) || return 1
    # A client knocking is what starts an on-demand Xwayland.
    XAUTHORITY=$cookie _x_answers "$display" && [[ -n $(_xwayland_pid "$WL_COMPOSITOR_PID") ]]
}

_mutter_cookie() {
    local f
    for f in "$E2E_TMP/runtime"/.mutter-Xwaylandauth.*; do
        [[ -s $f ]] && echo "$f" && return 0
    done
    return 1
}

_pipewire_up() {
    kill -0 "$1" 2>/dev/null || return 0
    [[ -S $E2E_TMP/runtime/pipewire-0 ]]
}

wl_start_mutter() {
    e2e_require mutter pipewire wireplumber Xwayland xprop xdotool xwininfo pgrep
    wl_start_bus
    local bus_env=(DBUS_SESSION_BUS_ADDRESS="$WL_BUS")
    # The screen cast that carries the remote desktop's absolute pointer runs
    # over PipeWire, in the same session.
    env -i "${E2E_ENV[@]}" "${bus_env[@]}" pipewire >"$E2E_TMP/pipewire.log" 2>&1 &
    local pipewire=$!
    e2e_own "$pipewire"
    poll_for 10 _pipewire_up "$pipewire"
    kill -0 "$pipewire" 2>/dev/null || skip "pipewire cannot start here: $(tail -n 3 "$E2E_TMP/pipewire.log" | tr '\n' ' ')"
    env -i "${E2E_ENV[@]}" "${bus_env[@]}" wireplumber >"$E2E_TMP/wireplumber.log" 2>&1 &
    e2e_own "$!"

    WL_SOCKET=wayland-lumora-$$
    env -i "${E2E_ENV[@]}" "${bus_env[@]}" mutter --wayland --headless \
        --virtual-monitor "${E2E_SCREEN_W}x${E2E_SCREEN_H}" --wayland-display="$WL_SOCKET" \
        >"$E2E_TMP/mutter.log" 2>&1 &
    WL_COMPOSITOR_PID=$!
    e2e_own "$WL_COMPOSITOR_PID"
    poll_for 20 _mutter_up || skip "mutter did not bring up XWayland within 20 s: $(tail -n 3 "$E2E_TMP/mutter.log" | tr '\n' ' ')"
    kill -0 "$WL_COMPOSITOR_PID" 2>/dev/null || skip "mutter cannot start here: $(tail -n 3 "$E2E_TMP/mutter.log" | tr '\n' ' ')"
    # Xwayland is the compositor's child, not ours: stop it by its own pid,
    # but after mutter (the list is stopped last first). mutter stopped first
    # ends its Xwayland and removes the lock files of its displays; with its
    # Xwayland gone first it exits without that clean-up.
    local xwayland
    xwayland=$(_xwayland_pid "$WL_COMPOSITOR_PID")
    unset 'E2E_OWN_PIDS[-1]'
    e2e_own "$xwayland"
    e2e_own "$WL_COMPOSITOR_PID"
    E2E_DISPLAY=$(_mutter_display)
    [[ $(wl_xwayland_of "$WL_COMPOSITOR_PID") == "$E2E_DISPLAY" ]] ||
        fail "mutter's Xwayland runs $(wl_xwayland_of "$WL_COMPOSITOR_PID"), its log names $E2E_DISPLAY"
    XAUTHORITY=$(_mutter_cookie)
    export XAUTHORITY
    _e2e_build_env
    # What a real GNOME Wayland session sets.
    E2E_ENV+=(XAUTHORITY="$XAUTHORITY" WAYLAND_DISPLAY="$WL_SOCKET" XDG_SESSION_TYPE=wayland
        XDG_CURRENT_DESKTOP=GNOME "${bus_env[@]}")
}

# The driver keeps one remote-desktop session for the whole test: the session
# ends when its D-Bus client disconnects.
wl_start_input() {
    e2e_env python3 -c 'from gi.repository import Gio' 2>/dev/null ||
        skip "python3 with its gi module (python3-gi) is not installed"
    local driver
    driver=$(dirname "${BASH_SOURCE[0]}")/tools/mutter_input.py
    coproc WL_INPUT { exec env -i "${E2E_ENV[@]}" python3 "$driver" 2>"$E2E_TMP/input.log"; }
    e2e_own "$WL_INPUT_PID"
    exec {WL_INPUT_OUT}<&"${WL_INPUT[0]}" {WL_INPUT_IN}>&"${WL_INPUT[1]}"
    _wl_input_answer ready
}

_wl_input_answer() {
    local answer
    read -r -t 30 answer <&"$WL_INPUT_OUT" ||
        fail "no answer from the input driver: $(tail -n 3 "$E2E_TMP/input.log" | tr '\n' ' ')"
    [[ $answer == "$1" ]] || fail "input driver: '$answer' (expected '$1')"
}

wl_input() {
    echo "$*" >&"$WL_INPUT_IN"
    _wl_input_answer ok
}
