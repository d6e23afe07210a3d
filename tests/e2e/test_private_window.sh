#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Lumora developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Private searches under openbox: Shift+Enter starts the default browser that
# mimeapps.list names (a fake one that records its arguments) with its
# private window and the search's address. One browser has its own private
# action, one is known by its program's name, one is not known: that one
# gets a notice under the field and nothing starts. Shift and a click on the
# search button are Shift+Enter's twin. Nothing goes to
# xdg-open and nothing is remembered.
# Usage: test_private_window.sh <path to lumora>
# shellcheck source=bar.sh
source "$(dirname "$0")/bar.sh"

e2e_setup "$@"

# Desktop entries only from the test's own folders.
system_data=$E2E_TMP/system-data
system_config=$E2E_TMP/system-config
mkdir -p "$E2E_TMP/data/applications" "$system_data/applications" "$system_config" "$E2E_TMP/browsers"
E2E_ENV+=(XDG_DATA_DIRS="$system_data" XDG_CONFIG_DIRS="$system_config")

# Each fake browser writes one line per start: its name, then [argument]...
launches=$E2E_TMP/browser.record
: >"$launches"
fake_browser() {
    cat >"$1" <<SCRIPT
#!/bin/sh
line=\$(basename "\$0")
for a in "\$@"; do line="\$line [\$a]"; done
printf '%s\n' "\$line" >>'$launches'
SCRIPT
    chmod +x "$1"
}
# Known by its name: found on PATH like Debian's own.
fake_browser "$E2E_TMP/bin/firefox-esr"
fake_browser "$E2E_TMP/browsers/shiny"
fake_browser "$E2E_TMP/browsers/oddbrowser"

cat >"$E2E_TMP/data/applications/shiny.desktop" <<EOF2
[Desktop Entry]
Type=Application
Name=Shiny
Exec=$E2E_TMP/browsers/shiny %U
Actions=new-window;new-private-window;

[Desktop Action new-window]
Name=New Window
Exec=$E2E_TMP/browsers/shiny --new-window

[Desktop Action new-private-window]
Name=New Private Window
Exec=$E2E_TMP/browsers/shiny --secret-window
EOF2
# Debian 12's entry, as firefox-esr ships it but for the program's folder.
cat >"$system_data/applications/firefox-esr.desktop" <<'EOF2'
[Desktop Entry]
Name=Firefox ESR
Exec=firefox-esr %u
Terminal=false
Type=Application
Icon=firefox-esr
Categories=Network;WebBrowser;
MimeType=text/html;x-scheme-handler/http;x-scheme-handler/https;
EOF2
cat >"$system_data/applications/odd.desktop" <<EOF2
[Desktop Entry]
Type=Application
Name=Odd Browser
Exec=$E2E_TMP/browsers/oddbrowser %u
EOF2

default_browser() {
    printf '[Default Applications]\nx-scheme-handler/https=%s\nx-scheme-handler/http=%s\n' "$1" "$1" \
        >"$E2E_TMP/config/mimeapps.list"
}

launch_count() {
    wc -l <"$launches"
}

launch_has_lines() {
    (($(launch_count) >= $1))
}

expect_launch() {
    local n=$1 expected=$2
    wait_for 5 launch_has_lines "$n"
    [[ $(sed -n "${n}p" "$launches") == "$expected" ]] ||
        fail "start $n was '$(sed -n "${n}p" "$launches")', expected '$expected'"
}

private_search() {
    x xdotool key ctrl+a BackSpace
    x xdotool type --delay 20 "$1"
    x xdotool key shift+Return
}

# The notice: a second window of the bar's process, under the bar.
notice_window() {
    x xdotool search --onlyvisible --pid "$LUMORA_PID" 2>/dev/null | grep -vx "$LUMORA_WIN" | head -n 1
}

notice_shown() {
    [[ -n $(notice_window) ]]
}

bar_start "$LUMORA"
focus_field
address='https://en.wikipedia.org/wiki/Dublin%20Bay'

# --- the browser's own private action, the address after its arguments ---------------
default_browser shiny.desktop
private_search 'w Dublin Bay'
expect_launch 1 "shiny [--secret-window] [$address]"

# --- Debian's Firefox ESR entry has none: its program's name says how -------------
default_browser firefox-esr.desktop
private_search 'w Dublin Bay'
expect_launch 2 "firefox-esr [--private-window] [$address]"

# --- Shift and a click on the search button do the same ---------------------------
# The search button shares the options box's column.
pointer_to "$OPTIONS_X" "$FIELD_Y"
x xdotool keydown shift click 1 keyup shift
expect_launch 3 "firefox-esr [--private-window] [$address]"

# --- quotes, $(...) and ; in the query stay inside the one address ---------------
# shellcheck disable=SC2016 # the $(...) is meant literally
private_search 'cats "$(touch pwned)"; ls'
wait_for 5 launch_has_lines 4
line=$(sed -n 4p "$launches")
[[ $line == 'firefox-esr [--private-window] [https://www.google.com/search?q='*']' ]] ||
    fail "start 4 was '$line'"
[[ ! -e $E2E_TMP/home/pwned && ! -e pwned ]] || fail "a query ran a command"

# --- an unknown browser: a notice, and nothing starts --------------------------------
default_browser odd.desktop
private_search 'dogs'
wait_for 5 notice_shown
notice=$(notice_window)
read -r nx ny _ _ <<<"$(window_geometry "$notice")"
read -r bx by _ bh <<<"$(window_geometry "$LUMORA_WIN")"
((ny > by && ny <= by + bh && nx >= bx)) || fail "notice at $nx,$ny is not under the bar at $bx,$by"
# It goes by itself within a few seconds.
wait_for 8 eval '! notice_shown'
(($(launch_count) == 4)) || fail "the unknown browser was started: $(tail -n 1 "$launches")"

# --- nothing went to xdg-open, nothing was remembered -------------------------------
(($(record_count) == 0)) || fail "a private search went to xdg-open: $(record_line 1)"
[[ ! -s $E2E_TMP/state/Lumora/history ]] || fail "private searches were remembered: $(cat "$E2E_TMP/state/Lumora/history")"
kill -0 "$LUMORA_PID" 2>/dev/null || fail "lumora exited"
note "ok"
