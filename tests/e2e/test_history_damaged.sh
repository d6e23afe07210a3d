#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Lumora developers
# SPDX-License-Identifier: GPL-3.0-or-later
# A damaged history file never keeps the bar from working: a torn last line,
# bytes that are not UTF-8, a file of 100 MB, a folder or a pipe in the
# file's place. The bar starts, Up recalls what was sound, and searches work.
# Usage: test_history_damaged.sh <path to lumora>
# shellcheck source=bar.sh
source "$(dirname "$0")/bar.sh"

LUMORA=${1:?usage: $0 <lumora binary>}
e2e_init
e2e_start_x
folder=$E2E_TMP/state/Lumora
history=$folder/history
searches=0

# Starts the bar on what the case left in the state folder, recalls the
# newest sound entry (if any) with Up, and searches it.
check_case() {
    local name=$1 expected=$2
    note "case: $name"
    bar_start "$LUMORA"
    focus_field
    x xdotool key ctrl+a BackSpace
    if [[ -n $expected ]]; then
        x xdotool key Up Return
    else
        x xdotool type --delay 20 'fresh'
        x xdotool key Return
        expected=fresh
    fi
    searches=$((searches + 1))
    wait_for 5 record_has_lines "$searches"
    [[ $(record_line "$searches") == *"/search?q=$expected" ]] ||
        fail "$name: the search opened '$(record_line "$searches")', expected q=$expected"
    kill -0 "$LUMORA_PID" 2>/dev/null || fail "$name: lumora exited"
    _stop_pid "$LUMORA_PID"
    rm -rf "$folder"
    mkdir -p "$folder"
}

mkdir -p "$folder"

printf 'sound\ntorn li' >"$history"
check_case "torn last line" sound

printf '\xff\xfe\xc3\x28 broken\nafter\n' >"$history"
check_case "not UTF-8" after

{
    head -c 5000 /dev/zero | tr '\0' x
    printf '\n'
    printf 'short\n'
} >"$history"
check_case "over-long line" short

printf 'big\n' >"$history"
truncate -s 100M "$history"
check_case "a file of 100 MB" big

mkdir "$history"
check_case "a folder" ""

mkfifo "$history"
check_case "a pipe" ""

note "ok"
