#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Lumora developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs the summon benchmark on a private Xvfb display with openbox: the bar
# runs retracted, the driver presses the hotkey through XTEST and runs
# `lumora --show`, and times each until the bar is down and focused.
# Usage: bench/summon/run.sh [build-dir] [rounds]
here=$(cd "$(dirname "$0")" && pwd)
repo=$(cd "$here/../.." && pwd)
# shellcheck source=../../tests/e2e/lib.sh
source "$repo/tests/e2e/lib.sh"

build=$(cd "${1:-$repo/build}" && pwd)
rounds=${2:-21}
driver=$build/bench/summon/bench_summon
lumora=$build/src/lumora
require_built "$driver" "$lumora"

e2e_init
e2e_start_x
# The pointer away from the bar, so that it retracts.
x xdotool mousemove 100 400
e2e_start_lumora "$lumora"

echo "== summon benchmark (Xvfb $E2E_DISPLAY, openbox) =="
e2e_env "$driver" --rounds "$rounds" "$LUMORA_WIN" "$lumora"
