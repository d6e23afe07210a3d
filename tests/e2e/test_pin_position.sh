#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Lumora developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The pin corrects the bar's height only, never its x. A window manager's
# word that the bar stands at (0, 0) (as Qt can believe while a new window is
# reparented) must not carry it to the left edge, and neither may the first
# second of a start on a display whose window manager has just come up.
# Usage: test_pin_position.sh <path to lumora> <path to send_configure_notify>
# shellcheck source=bar.sh
source "$(dirname "$0")/bar.sh"
# shellcheck source=datafiles.sh
source "$(dirname "$0")/datafiles.sh"

SEND_CONFIGURE=${2:?usage: $0 <lumora> <send_configure_notify>}
require_built "$SEND_CONFIGURE"
STORED_X=535

e2e_setup "$1"

# --- a reported (0, 0) while the bar stands at its stored x ---------------------------
write_settings "$STORED_X" 1
pointer_over_field "$STORED_X"
e2e_start_lumora "$LUMORA"
wait_pos 5 "$STORED_X" "$BAR_SHOWN"
x "$SEND_CONFIGURE" "$LUMORA_WIN" 0 0
# The pin looks 100 ms after a move; give it several chances to go wrong.
stays_top 1 "$BAR_SHOWN"
wait_pos 0.1 "$STORED_X" "$BAR_SHOWN"
# Auto hide still slides the bar up and down where it stands.
x xdotool mousemove 100 400
wait_pos 2 "$STORED_X" "$BAR_HIDDEN"
pointer_over_field "$STORED_X"
x xdotool mousemove "$((STORED_X + FIELD_X))" 1
wait_pos 2 "$STORED_X" "$BAR_SHOWN"
# A real move down is still undone, at the x it was moved to.
x xdotool windowmove "$LUMORA_WIN" 300 200
wait_pos 1 300 "$BAR_HIDDEN"
note "reported (0, 0): the bar stayed at x $STORED_X"

# --- fresh displays, the bar the first program after the window manager ------------------
# Auto hide is off, so every sample of the first 1.5 s must be the shown place.
_stop_pid "$LUMORA_PID"
for round in 1 2 3 4 5 6 7 8 9 10; do
    _stop_pid "$OPENBOX_PID"
    _stop_pid "$XVFB_PID"
    LUMORA_PID="" OPENBOX_PID="" XVFB_PID="" E2E_DISPLAY=""
    rm -rf "$E2E_TMP/config/Lumora"
    write_settings "$STORED_X" 0
    e2e_start_x
    e2e_start_lumora "$LUMORA"
    end=$(_deadline_us 1.5)
    samples=0
    while (($(_now_us) < end)); do
        pos=$(bar_pos)
        [[ $pos == "$STORED_X $BAR_SHOWN" ]] ||
            fail "round $round, sample $samples: the bar stood at '$pos', expected '$STORED_X $BAR_SHOWN'"
        samples=$((samples + 1))
        sleep 0.05
    done
    _stop_pid "$LUMORA_PID"
    LUMORA_PID=""
done
note "ten fresh starts: every sample at $STORED_X $BAR_SHOWN"
note "ok"
