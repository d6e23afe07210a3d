#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Lumora developers
# SPDX-License-Identifier: GPL-3.0-or-later
# "lumora --search": a start with no bar running becomes the bar and
# searches; a later one hands the text over and the bar searches it without
# coming down; quotes, $(...) and ";" in the text run nothing; a text over
# 8192 bytes is refused with exit code 2; a private search starts the
# default browser's private window and is not remembered.
# Usage: test_search_from_shell.sh <path to lumora>
# shellcheck source=bar.sh
source "$(dirname "$0")/bar.sh"

e2e_setup "$@"
history=$E2E_TMP/state/Lumora/history

exited() { ! kill -0 "$1" 2>/dev/null; }

# The default browser: a fake firefox-esr from the test's own folders, which
# records its arguments. No browser of the machine's is ever found.
launches=$E2E_TMP/browser.record
: >"$launches"
mkdir -p "$E2E_TMP/system-data/applications" "$E2E_TMP/system-config"
E2E_ENV+=(XDG_DATA_DIRS="$E2E_TMP/system-data" XDG_CONFIG_DIRS="$E2E_TMP/system-config")
cat >"$E2E_TMP/bin/firefox-esr" <<SCRIPT
#!/bin/sh
line=firefox-esr
for a in "\$@"; do line="\$line [\$a]"; done
printf '%s\n' "\$line" >>'$launches'
SCRIPT
chmod +x "$E2E_TMP/bin/firefox-esr"
printf '[Desktop Entry]\nType=Application\nName=Firefox ESR\nExec=firefox-esr %%u\n' \
    >"$E2E_TMP/system-data/applications/firefox-esr.desktop"
printf '[Default Applications]\nx-scheme-handler/https=firefox-esr.desktop\n' >"$E2E_TMP/config/mimeapps.list"

# later <args...>: a start that hands over; its exit code in later_rc.
later() {
    later_rc=0
    e2e_env timeout 10 "$LUMORA" "$@" >"$E2E_TMP/later.out" 2>"$E2E_TMP/later.err" || later_rc=$?
}

expect_record() {
    local n=$1 pattern=$2
    wait_for 5 record_has_lines "$n"
    # shellcheck disable=SC2053
    [[ $(record_line "$n") == $pattern ]] || fail "search $n opened '$(record_line "$n")', expected $pattern"
}

# --- no bar runs: the start becomes the bar and searches -------------------------
x xdotool mousemove 100 400
env -i "${E2E_ENV[@]}" "$LUMORA" --search "w Dublin Bay" >"$E2E_TMP/lumora.out" 2>"$E2E_TMP/lumora.err" &
LUMORA_PID=$!
_e2e_track "$LUMORA_PID"
expect_record 1 'https://*wikipedia.org*/wiki/Dublin%20Bay'
wait_for 10 eval '[[ -n $(lumora_window) ]]'
LUMORA_WIN=$(lumora_window)
# With the pointer elsewhere the new bar retracts as any first start does.
wait_top 5 "$BAR_HIDDEN"

# --- the running bar searches what a later start hands over ----------------------
later --search w Dublin Bay
((later_rc == 0)) || fail "--search to the running bar exited with $later_rc: $(cat "$E2E_TMP/later.err")"
expect_record 2 'https://*wikipedia.org*/wiki/Dublin%20Bay'
# It does not come down for it.
stays_top 1 "$BAR_HIDDEN"

# --- shell syntax is only text ---------------------------------------------------
later --search "\"quoted\" 'single' \$(touch $E2E_TMP/dollar); touch $E2E_TMP/semicolon \`touch $E2E_TMP/tick\`
next line"
((later_rc == 0)) || fail "--search with shell syntax exited with $later_rc: $(cat "$E2E_TMP/later.err")"
wait_for 5 record_has_lines 3
line=$(record_line 3)
[[ $line == https://www.google.com/search?q=%22quoted%22+%27single%27+%24%28touch+* ]] ||
    fail "shell syntax opened '$line'"
[[ $line == *%3B+touch+*%60touch+*%60+next+line ]] || fail "shell syntax opened '$line'"
for made in dollar semicolon tick; do
    [[ ! -e $E2E_TMP/$made ]] || fail "text handed to --search ran a command: $made exists"
done

# --- over the limit: refused at once, nothing sent --------------------------------
later --search "$(head -c 8193 /dev/zero | tr '\0' x)"
((later_rc == 2)) || fail "an over-long --search exited with $later_rc"
grep -q 8192 "$E2E_TMP/later.err" || fail "an over-long --search said: $(cat "$E2E_TMP/later.err")"
later --search "$(head -c 8192 /dev/zero | tr '\0' y)"
((later_rc == 0)) || fail "--search of 8192 bytes exited with $later_rc: $(cat "$E2E_TMP/later.err")"
expect_record 4 "https://www.google.com/search?q=$(head -c 8192 /dev/zero | tr '\0' y)"

# --- private: the browser's private window, nothing through the opener, not kept --
later --search --private secret words
((later_rc == 0)) || fail "--search --private exited with $later_rc: $(cat "$E2E_TMP/later.err")"
wait_for 5 test -s "$launches"
[[ $(cat "$launches") == 'firefox-esr [--private-window] [https://www.google.com/search?q=secret+words]' ]] ||
    fail "the private search started: $(cat "$launches")"
later --search last
expect_record 5 'https://www.google.com/search?q=last'
(($(record_count) == 5)) || fail "the private search went to the opener: $(cat "$E2E_RECORD")"
grep -qx 'w Dublin Bay' "$history" || fail "history does not hold the search: $(cat "$history")"
grep -q secret "$history" && fail "history holds the private search"

later --quit
wait_for 5 exited "$LUMORA_PID"
note "ok"
