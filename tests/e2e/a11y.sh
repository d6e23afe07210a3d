# SPDX-FileCopyrightText: 2026 The Lumora developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Helpers for tests that read the bar as a screen reader does: a private
# session bus, the accessibility bus on it, and the bar's tree read over
# AT-SPI. Sourcing this brings bar.sh and lib.sh along.
#
#   a11y_setup <bin>          display, buses, then the bar with AT-SPI on
#   probe <args...>           tools/atspi_probe.py on the bar, under a timeout
#   menu_choose <item>        Up through the open menu until <item> is active, then Enter
#   hears <role> <name> <text>  typing <text> makes <role> announce the name <name>
#
# Everything the buses start (the accessibility bus's own daemon, the
# registry) is stopped by process id with the rest.

# shellcheck source=bar.sh
source "$(dirname "${BASH_SOURCE[0]}")/bar.sh"

A11Y_PROBE=$(dirname "${BASH_SOURCE[0]}")/tools/atspi_probe.py
A11Y_PYTHON=/usr/bin/python3
A11Y_LAUNCHER=/usr/libexec/at-spi-bus-launcher
# The processes whose descendants are ours too.
A11Y_ROOTS=()

_a11y_skip() {
    echo "SKIP: $*" >&2
    exit 77
}

_a11y_require() {
    e2e_require dbus-daemon pgrep timeout
    [[ -x $A11Y_LAUNCHER ]] || _a11y_skip "at-spi2-core is not installed ($A11Y_LAUNCHER)"
    "$A11Y_PYTHON" -c 'import pyatspi' 2>/dev/null || _a11y_skip "python3-pyatspi is not installed"
}

# Prints the descendants of the given processes, parents before children.
_a11y_descendants() {
    local p c
    for p in "$@"; do
        for c in $(pgrep -P "$p"); do
            echo "$c"
            _a11y_descendants "$c"
        done
    done
}

# The cleanup stops the processes it knows, last known first: the ones the
# buses started become known here, children after their parents.
_a11y_own_descendants() {
    local p
    ((${#A11Y_ROOTS[@]})) || return 0
    for p in $(_a11y_descendants "${A11Y_ROOTS[@]}"); do
        [[ " ${E2E_OWN_PIDS[*]} " == *" $p "* ]] || e2e_own "$p"
    done
}

_a11y_exit() {
    local rc=$?
    set +e
    _a11y_own_descendants
    (exit "$rc")
    _e2e_cleanup
}

probe() {
    timeout 10 env -i "${E2E_ENV[@]}" "$A11Y_PYTHON" "$A11Y_PROBE" "${LUMORA_PID:-0}" "$@"
}

_a11y_bus_up() {
    timeout 5 env -i "${E2E_ENV[@]}" dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus \
        org.a11y.Bus.GetAddress | grep -q 'unix:'
}

_a11y_start_buses() {
    local address=$E2E_TMP/session-bus-address
    env -i "${E2E_ENV[@]}" dbus-daemon --session --nofork --nopidfile --print-address=3 \
        3>"$address" >"$E2E_TMP/dbus.log" 2>&1 &
    e2e_own $!
    A11Y_ROOTS+=($!)
    poll_for 10 test -s "$address" || _a11y_skip "no private session bus came up"
    E2E_ENV+=(DBUS_SESSION_BUS_ADDRESS="$(head -n 1 "$address")")

    env -i "${E2E_ENV[@]}" "$A11Y_LAUNCHER" --launch-immediately >"$E2E_TMP/atspi.log" 2>&1 &
    e2e_own $!
    A11Y_ROOTS+=($!)
    poll_for 10 _a11y_bus_up || _a11y_skip "the accessibility bus did not start: $(tr '\n' ' ' <"$E2E_TMP/atspi.log")"
    _a11y_own_descendants
    E2E_ENV+=(QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1)
}

a11y_setup() {
    LUMORA=${1:?usage: $0 <lumora binary>}
    _a11y_require
    e2e_init
    trap _a11y_exit EXIT
    e2e_start_x
    _a11y_start_buses
    bar_start "$LUMORA"
}

# The probe's commands that wait for events take longer than a read.
_probe_long() {
    timeout 30 env -i "${E2E_ENV[@]}" "$A11Y_PYTHON" "$A11Y_PROBE" "$LUMORA_PID" "$@"
}

menu_choose() {
    _probe_long choose "$1" Up || fail "no menu item '$1' became active"
}

# hears <role> <name> <text>: typing <text> into the focused field makes the
# <role> announce its new name <name>.
hears() {
    _probe_long hears "$@"
}
