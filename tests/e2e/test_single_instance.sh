#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Lumora developers
# SPDX-License-Identifier: GPL-3.0-or-later
# One bar per user and display: a second start hands over and exits, --quit
# closes the bar as "Close" does, a bar killed outright does not block the
# next start, and two starts at the same moment make one bar.
# Usage: test_single_instance.sh <path to lumora>
# shellcheck source=bar.sh
source "$(dirname "$0")/bar.sh"

e2e_setup "$@"
data=$E2E_TMP/config/Lumora

# Visible top-level windows that are a bar (the class names the program).
bar_windows() {
    x xdotool search --onlyvisible --classname '^lumora$' 2>/dev/null | wc -l
}

exited() { ! kill -0 "$1" 2>/dev/null; }

# second_start [args...]: runs lumora in the foreground; sets second_ms and
# second_rc.
second_start() {
    local t0
    t0=$(_now_us)
    second_rc=0
    e2e_env timeout 10 "$LUMORA" "$@" >"$E2E_TMP/second.out" 2>"$E2E_TMP/second.err" || second_rc=$?
    second_ms=$(ms_since "$t0")
}

# --- a second start shows and focuses a retracted bar ----------------------------
x xdotool mousemove 100 400
e2e_start_lumora "$LUMORA"
wait_top 5 "$BAR_HIDDEN"
(($(bar_windows) == 1)) || fail "expected one bar window at start, found $(bar_windows)"

second_start
((second_rc == 0)) || fail "second start exited with $second_rc: $(cat "$E2E_TMP/second.err")"
((second_ms < 1000 * ${LUMORA_E2E_SLOWDOWN:-1})) || fail "second start took $second_ms ms"
note "second start: $second_ms ms"
wait_top 2 "$BAR_SHOWN"
wait_for 3 has_focus "$LUMORA_WIN"
(($(bar_windows) == 1)) || fail "after a second start there are $(bar_windows) bar windows"
[[ ! -e $data/data1.lmr ]] || fail "the second start wrote the settings file"

# It stays down while the user types with the pointer elsewhere.
x xdotool type --delay 30 "summoned cats"
stays_top 1.2 "$BAR_SHOWN"
x xdotool key Return
wait_for 5 record_has_lines 1
[[ $(record_line 1) == "https://www.google.com/search?q=summoned+cats" ]] ||
    fail "the summoned bar searched for '$(record_line 1)'"
# The address is handed over: the bar goes back up.
wait_top 2 "$BAR_HIDDEN"

# --- --quit saves both files and ends the bar -----------------------------------
second_start --quit
((second_rc == 0)) || fail "--quit exited with $second_rc: $(cat "$E2E_TMP/second.err")"
wait_for 5 exited "$LUMORA_PID"
[[ -f $data/data1.lmr && -f $data/catalog.lmr ]] || fail "--quit did not save both files"
(($(stat -c %s "$data/data1.lmr") == 308)) || fail "settings file is not 308 bytes"

# --- SIGKILL leaves the socket behind; the next start becomes the bar -------------
e2e_start_lumora "$LUMORA"
kill -KILL "$LUMORA_PID"
wait "$LUMORA_PID" 2>/dev/null || true
compgen -G "$E2E_TMP/runtime/lumora-*.socket" >/dev/null || fail "no socket left behind to test with"
e2e_start_lumora "$LUMORA"
(($(bar_windows) == 1)) || fail "after SIGKILL and a new start there are $(bar_windows) bar windows"
e2e_env timeout 10 "$LUMORA" --quit
wait_for 5 exited "$LUMORA_PID"

# --- two starts at once give one bar ---------------------------------------------
env -i "${E2E_ENV[@]}" "$LUMORA" 2>"$E2E_TMP/a.err" &
first=$!
_e2e_track "$first"
env -i "${E2E_ENV[@]}" "$LUMORA" 2>"$E2E_TMP/b.err" &
second=$!
_e2e_track "$second"
# One of them hands over and exits 0; the other is the bar.
one_exited() { exited "$first" || exited "$second"; }
wait_for 10 one_exited
if exited "$first"; then
    wait "$first" || fail "the start that handed over exited with $?"
    LUMORA_PID=$second
else
    wait "$second" || fail "the start that handed over exited with $?"
    LUMORA_PID=$first
fi
wait_for 10 eval '[[ -n $(lumora_window) ]]'
LUMORA_WIN=$(lumora_window)
(($(bar_windows) == 1)) || fail "two starts at once gave $(bar_windows) bar windows"
e2e_env timeout 10 "$LUMORA" --quit
wait_for 5 exited "$LUMORA_PID"

# --- the GUI program started on its own claims for itself ------------------------
bar_program=$(dirname "$LUMORA")/lumora-bar
[[ -x $bar_program ]] || fail "no lumora-bar beside $LUMORA"
# A descriptor list from outside that names nothing of the bar's is ignored.
E2E_ENV+=(LUMORA_INSTANCE_FDS=7,8)
e2e_start_lumora "$bar_program"
(($(bar_windows) == 1)) || fail "lumora-bar on its own gave $(bar_windows) bar windows"
second_start --show
((second_rc == 0)) || fail "lumora --show to a lone lumora-bar exited with $second_rc: $(cat "$E2E_TMP/second.err")"
wait_top 2 "$BAR_SHOWN"
e2e_env timeout 10 "$bar_program" --version >/dev/null || fail "lumora-bar --version failed"
second_rc=0
e2e_env timeout 10 "$bar_program" >/dev/null 2>&1 || second_rc=$?
((second_rc == 0)) || fail "a second lumora-bar exited with $second_rc"
(($(bar_windows) == 1)) || fail "a second lumora-bar gave $(bar_windows) bar windows"
e2e_env timeout 10 "$bar_program" --quit
wait_for 5 exited "$LUMORA_PID"
note "ok"
