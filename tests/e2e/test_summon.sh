#!/usr/bin/env bash
# A summon from the keyboard (lumora --show) takes the focus from another
# window; Escape sends the bar back up and the focus back to that window.
# Usage: test_summon.sh <path to lumora>
# shellcheck source=bar.sh
source "$(dirname "$0")/bar.sh"

e2e_setup "$@"
e2e_require xmessage

x xdotool mousemove 100 400
e2e_start_lumora "$LUMORA"
wait_top 5 "$BAR_HIDDEN"

# Another window has the focus.
env -i "${E2E_ENV[@]}" xmessage -geometry +300+300 "another program" >/dev/null 2>&1 &
XMESSAGE_PID=$!
_e2e_track "$XMESSAGE_PID"
# The usual clean-up, with the exit status kept for it.
trap 'rc=$?; _stop_pid "$XMESSAGE_PID"; (exit $rc); _e2e_cleanup' EXIT
other() { x xdotool search --onlyvisible --classname '^xmessage$' 2>/dev/null | head -n 1; }
wait_for 10 eval '[[ -n $(other) ]]'
other_win=$(other)
x xdotool windowactivate --sync "$other_win" 2>/dev/null || true
wait_for 3 has_focus "$other_win"

summon_and_escape() {
    local how=$1
    e2e_env timeout 10 "$LUMORA" --show || fail "$how: lumora --show exited with $?"
    wait_top 2 "$BAR_SHOWN"
    wait_for 3 has_focus "$LUMORA_WIN"
    x xdotool key Escape
    wait_top 2 "$BAR_HIDDEN"
    wait_for 3 has_focus "$other_win"
    kill -0 "$LUMORA_PID" || fail "$how: Escape ended the bar"
}
summon_and_escape "--show"
note "ok"
