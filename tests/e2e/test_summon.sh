#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Lumora developers
# SPDX-License-Identifier: GPL-3.0-or-later
# A summon from the keyboard (the hotkey Ctrl+Alt+Space, lumora --show)
# takes the focus from another window; typing reaches the field; Escape sends
# the bar back up and the focus back to that window. A hotkey another program
# holds gives one line on stderr and a bar that works without it.
# Usage: test_summon.sh <path to lumora> <path to grab_key>
# shellcheck source=bar.sh
source "$(dirname "$0")/bar.sh"

GRAB_KEY=${2:?usage: $0 <lumora binary> <grab_key binary>}
e2e_setup "$1"
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
    note "summon by $how"
    if [[ $how == hotkey ]]; then
        x xdotool key ctrl+alt+space
    else
        e2e_env timeout 10 "$LUMORA" --show || fail "$how: lumora --show exited with $?"
    fi
    wait_top 5 "$BAR_SHOWN"
    wait_for 3 has_focus "$LUMORA_WIN"
    # Typing reaches the field: the selected text is replaced.
    x xdotool type --delay 20 "typed $how"
    x xdotool key Escape
    wait_top 5 "$BAR_HIDDEN"
    wait_for 3 has_focus "$other_win"
    kill -0 "$LUMORA_PID" || fail "$how: Escape ended the bar"
}
summon_and_escape hotkey
summon_and_escape --show
# The field held what was typed: after a summon, Enter searches for it.
x xdotool key ctrl+alt+space
wait_for 3 has_focus "$LUMORA_WIN"
x xdotool key Return
wait_for 5 record_has_lines 1
[[ $(record_line 1) == "https://www.google.com/search?q=typed+--show" ]] || fail "searched for '$(record_line 1)'"
wait_top 5 "$BAR_HIDDEN"

# NumLock on: the hotkey still works.
note "hotkey with NumLock on"
x xdotool key Num_Lock
x xdotool key ctrl+alt+space
wait_top 5 "$BAR_SHOWN"
x xdotool key Escape Num_Lock
wait_top 5 "$BAR_HIDDEN"

# Inside the Hotkey dialog the combination goes to its field: the bar does
# not take the keyboard from the dialog. Cancel puts the hotkey back.
note "hotkey inside the Hotkey dialog"
x xdotool key ctrl+alt+space
wait_top 5 "$BAR_SHOWN"
open_popup "$OPTIONS_X" "$OPTIONS_Y"
x xdotool key Up Up Up Up Up Up Return
hotkey_dialog() { x xdotool search --onlyvisible --name '^Hotkey$' 2>/dev/null | head -n 1; }
wait_for 5 eval '[[ -n $(hotkey_dialog) ]]'
dialog_win=$(hotkey_dialog)
wait_for 3 has_focus "$dialog_win"
x xdotool key ctrl+alt+space
# The field records for a second after the last key; Escape then cancels.
if poll_for 1.5 eval '! has_focus "$dialog_win"'; then
    fail "the hotkey took the keyboard from the Hotkey dialog (focus: $(focused_window))"
fi
x xdotool key Escape
wait_for 5 eval '[[ -z $(hotkey_dialog) ]]'
x xdotool mousemove 100 400
wait_top 5 "$BAR_HIDDEN"
x xdotool key ctrl+alt+space
wait_top 5 "$BAR_SHOWN"
x xdotool key Escape
wait_top 5 "$BAR_HIDDEN"

# --- a combination another program holds ---------------------------------------
note "hotkey held by another program"
e2e_env timeout 10 "$LUMORA" --quit
wait_for 5 eval '! kill -0 "$LUMORA_PID" 2>/dev/null'
# Space with Control (4) + Mod1 (8).
env -i "${E2E_ENV[@]}" "$GRAB_KEY" 0x20 12 >"$E2E_TMP/grab.out" 2>&1 &
GRAB_PID=$!
_e2e_track "$GRAB_PID"
trap 'rc=$?; _stop_pid "$XMESSAGE_PID"; _stop_pid "$GRAB_PID"; (exit $rc); _e2e_cleanup' EXIT
wait_for 5 grep -q grabbed "$E2E_TMP/grab.out"

e2e_start_lumora "$LUMORA"
expected="lumora: Ctrl+Alt+Space is in use by another program; choose another in Hotkey..."
wait_for 5 grep -qxF "$expected" "$E2E_TMP/lumora.err"
(($(grep -c 'in use' "$E2E_TMP/lumora.err") == 1)) || fail "the warning came more than once"
# The bar works without it.
wait_top 5 "$BAR_HIDDEN"
e2e_env timeout 10 "$LUMORA" --show
wait_top 5 "$BAR_SHOWN"
wait_for 3 has_focus "$LUMORA_WIN"
note "ok"
