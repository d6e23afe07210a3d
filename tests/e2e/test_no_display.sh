#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Lumora developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Without a reachable display the bar says so in one line and exits with 1,
# instead of Qt's several lines and an abort.
# Usage: test_no_display.sh <path to lumora>
# shellcheck source=lib.sh
source "$(dirname "$0")/lib.sh"

LUMORA=${1:?usage: $0 <lumora binary>}
[[ -x $LUMORA ]] || fail "no lumora binary at $LUMORA"

e2e_init
ulimit -c 0

# A display number nobody serves: no socket and no lock file.
unused_display() {
    local n
    for ((n = 917; n < 1017; n++)); do
        [[ -e /tmp/.X11-unix/X$n || -e /tmp/.X$n-lock ]] || { echo ":$n"; return; }
    done
    fail "no unused display number found"
}

check_case() {
    local name=$1
    shift
    local rc=0
    e2e_env "$@" timeout 20 "$LUMORA" >"$E2E_TMP/out" 2>"$E2E_TMP/err" || rc=$?
    local lines
    lines=$(wc -l <"$E2E_TMP/err")
    # A last line without its newline still counts.
    [[ -s $E2E_TMP/err && $(tail -c 1 "$E2E_TMP/err") != "" ]] && lines=$((lines + 1))
    if ((rc != 1)); then
        cat "$E2E_TMP/err" >&2
        fail "$name: exit code $rc, expected 1"
    fi
    if ((lines != 1)); then
        cat "$E2E_TMP/err" >&2
        fail "$name: $lines lines on stderr, expected exactly one"
    fi
    grep -qi 'display' "$E2E_TMP/err" || fail "$name: stderr does not mention the display: $(cat "$E2E_TMP/err")"
    [[ ! -s $E2E_TMP/out ]] || fail "$name: unexpected output on stdout: $(cat "$E2E_TMP/out")"
    note "$name: $(cat "$E2E_TMP/err")"
}

# e2e_env starts from an empty environment, so DISPLAY, WAYLAND_DISPLAY and
# QT_QPA_PLATFORM are unset unless given here.
check_case "no DISPLAY"
check_case "DISPLAY without a server" DISPLAY="$(unused_display)"
check_case "WAYLAND_DISPLAY without a compositor" WAYLAND_DISPLAY=lumora-e2e-none
# On a Wayland session without XWayland the line says what is missing.
expected="lumora: no X display for the bar (DISPLAY is not set); on Wayland, Lumora runs through XWayland"
[[ $(cat "$E2E_TMP/err") == "$expected" ]] || fail "Wayland without DISPLAY: got '$(cat "$E2E_TMP/err")'"
note "ok"
