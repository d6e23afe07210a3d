#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Lumora developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Data files made by hand are what the bar starts from: a stored x of 100
# places it there, and with a three-engine catalogue whose first engine is not
# selected, a search goes to the first selected one.
# Usage: test_saved_state.sh <path to lumora>
# shellcheck source=bar.sh
source "$(dirname "$0")/bar.sh"
# shellcheck source=datafiles.sh
source "$(dirname "$0")/datafiles.sh"

e2e_setup "$@"

data=$E2E_TMP/config/Lumora

# The settings record: the defaults, except barLeft = 100.
write_settings 100 1

{
    le32 3
    record 0 fst Test First 'http://first.example/?q=[keyword]'
    record 1 se Test Second 'http://second.example/find?q=[keyword]'
    record 1 th Test Third 'http://third.example/?s=[keyword]'
} >"$data/catalog.lmr"

# Keep the pointer over the stored position so the bar stays down.
pointer_over_field 100
e2e_start_lumora "$LUMORA"

# --- position ----------------------------------------------------------------
wait_geometry 5 "100 $BAR_SHOWN $BAR_W $BAR_H"

# --- search with the first selected engine ---------------------------------------
focus_field
x xdotool type --delay 20 'cats'
x xdotool key Return
wait_for 5 record_has_lines 1
line=$(record_line 1)
[[ $line == 'http://second.example/find?q=cats' ]] ||
    fail "search opened '$line', expected http://second.example/find?q=cats"
note "ok"
