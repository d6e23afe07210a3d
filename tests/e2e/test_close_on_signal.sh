#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Lumora developers
# SPDX-License-Identifier: GPL-3.0-or-later
# SIGTERM, SIGHUP and SIGINT (a logout, a closed terminal, Ctrl+C) each close
# the bar the way its "Close" entry does: it writes both data files and exits
# normally. Each signal gets a fresh start without data files.
# Usage: test_close_on_signal.sh <path to lumora>
# shellcheck source=bar.sh
source "$(dirname "$0")/bar.sh"

e2e_setup "$@"
# Keep the bar down (auto hide is on by default).
pointer_over_field "$BAR_FIRST_X"

data=$E2E_TMP/config/Lumora

# int32_at <file> <offset>: a little-endian signed 32-bit value.
int32_at() {
    od -An -t d4 --endian=little -j "$2" -N 4 "$1" | tr -d ' '
}

lumora_exited() {
    ! kill -0 "$LUMORA_PID" 2>/dev/null ||
        [[ $(awk '{ print $3 }' "/proc/$LUMORA_PID/stat" 2>/dev/null) == Z ]]
}

for sig in TERM HUP INT; do
    note "SIG$sig"
    rm -rf "$data"
    e2e_start_lumora "$LUMORA"

    kill -s "$sig" "$LUMORA_PID"
    wait_for 10 lumora_exited
    status=0
    wait "$LUMORA_PID" || status=$?
    LUMORA_PID=""
    ((status == 0)) || fail "SIG$sig: lumora exited with status $status, expected 0"

    [[ -f $data/data1.lmr ]] || fail "SIG$sig: no data1.lmr written"
    [[ -f $data/catalog.lmr ]] || fail "SIG$sig: no catalog.lmr written"
    size=$(stat -c %s "$data/data1.lmr")
    ((size == 308)) || fail "SIG$sig: data1.lmr is $size bytes, expected 308"
    cmp -s <(dd if="$data/data1.lmr" bs=1 skip=128 count=7 2>/dev/null) <(printf 'Tahoma\0') ||
        fail "SIG$sig: bytes 128..134 of data1.lmr are not \"Tahoma\\0\""
    left=$(int32_at "$data/data1.lmr" 264)
    ((left == BAR_FIRST_X)) || fail "SIG$sig: stored barLeft is $left, expected $BAR_FIRST_X"
    count=$(int32_at "$data/catalog.lmr" 0)
    ((count == 79)) || fail "SIG$sig: catalog.lmr holds $count engines, expected 79"
    [[ -f $data/lumora.ini ]] || fail "SIG$sig: lumora.ini was not written"
    leftovers=$(find "$data" -mindepth 1 ! -name data1.lmr ! -name catalog.lmr ! -name lumora.ini)
    [[ -z $leftovers ]] || fail "SIG$sig: stray files in the data folder: $leftovers"
done
note "ok"
