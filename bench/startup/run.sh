#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Lumora developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs the start-up benchmark on a private Xvfb display (1280x800x24) with no
# window manager, so the driver sees each program's own window being mapped.
# Usage: bench/startup/run.sh [build-dir] [rounds] [sets]
here=$(cd "$(dirname "$0")" && pwd)
repo=$(cd "$here/../.." && pwd)
# The end-to-end helpers give us the display and cleanup on exit.
# shellcheck source=../../tests/e2e/lib.sh
source "$repo/tests/e2e/lib.sh"

build=$(cd "${1:-$repo/build}" && pwd)
rounds=${2:-21}
sets=${3:-3}

driver=$build/bench/startup/bench_startup
floor=$build/bench/startup/bench_floor_window
lumora=$build/src/lumora
require_built "$driver" "$floor" "$lumora"

e2e_init
e2e_start_display

echo "== start-up benchmark (Xvfb $E2E_DISPLAY, no window manager) =="
XDG_RUNTIME_DIR=$E2E_TMP/runtime DISPLAY=$E2E_DISPLAY "$driver" --rounds "$rounds" --sets "$sets" "$floor" "$lumora"
