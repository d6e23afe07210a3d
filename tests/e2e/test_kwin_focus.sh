#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Lumora developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Under kwin (a Plasma Wayland session, through XWayland) the bar takes the
# keyboard at start without a click, and typing + Enter reaches the opener.
# kwin prevents focus stealing: a window that merely maps gets no focus.
# Usage: test_kwin_focus.sh <path to lumora>
# shellcheck source=wayland.sh
source "$(dirname "$0")/wayland.sh"

LUMORA=${1:?usage: $0 <lumora binary>}
[[ -x $LUMORA ]] || fail "no lumora binary at $LUMORA"

e2e_init
wl_start_kwin
note "kwin on $WL_SOCKET, XWayland on $E2E_DISPLAY"

e2e_start_lumora "$LUMORA"
wait_for 1 has_focus "$LUMORA_WIN"
note "focus at start: $(focused_window) (bar $LUMORA_WIN)"

x xdotool type --delay 20 "kwin plasma"
x xdotool key Return
wait_for 3 record_has_lines 1
[[ $(record_line 1) == "https://www.google.com/search?q=kwin+plasma" ]] || fail "opened '$(record_line 1)'"
note "ok"
