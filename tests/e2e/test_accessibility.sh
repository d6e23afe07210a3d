#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Lumora developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The bar as a screen reader meets it over AT-SPI: its window and parts with
# their roles and names, names that follow the engine and the typed text,
# presses that open the menus and search, and dialogs whose every reachable
# control has a name.
# Usage: test_accessibility.sh <path to lumora>
# shellcheck source=a11y.sh
source "$(dirname "$0")/a11y.sh"

a11y_setup "$@"

_bar_in_tree() {
    probe has dialog Lumora
}
wait_for 15 _bar_in_tree
note "tree at start:"
probe tree | sed 's/^/#   /'

expected='push button|Google
push button|Options
text|Search with Google
push button|Search'
children=$(probe children Lumora)
[[ $children == "$expected" ]] || fail "the bar's parts read '$(echo "$children" | tr '\n' ';')'"

# --- the field is named for where the typed text will go ------------------------
focus_field
# A screen reader hears the change, and reads the new name.
hears text "Search with Wikipedia" "w " || fail "no announcement of the field's new name"
probe has text "Search with Wikipedia" || fail "the field is not named for Wikipedia after 'w '"
x xdotool key ctrl+a BackSpace
wait_for 5 probe has text "Search with Google"

# --- the engine-name box: its press opens the engine menu -------------------------
probe press "push button" Google
wait_for 3 popup_open
menu_choose "Google Image [gi]"
wait_for 3 eval '! popup_open'
wait_for 5 probe has "push button" "Google Image"
wait_for 5 probe has text "Search with Google Image"

# --- the search button: its press searches what the field holds -------------------
focus_field
x xdotool type --delay 20 "cats"
probe press "push button" Search
wait_for 5 record_has_lines 1
line=$(record_line 1)
[[ $line == https://images.google.com/images\?q=cats ]] || fail "the search button's press opened '$line'"

# --- the options box: its press opens the options menu, and its dialogs -------------
probe press "push button" Options
wait_for 3 popup_open
menu_choose "Catalog..."
wait_for 10 probe has dialog Catalog
unnamed=$(probe unnamed Catalog) || fail "catalogue controls without a name: $(echo "$unnamed" | tr '\n' ';')"
x xdotool key Escape
wait_for 5 eval '! probe has dialog Catalog'

probe press "push button" "Google Image"
wait_for 3 popup_open
menu_choose "Edit..."
wait_for 10 probe has dialog Catalog
x xdotool key Escape
wait_for 5 eval '! probe has dialog Catalog'

probe press "push button" Options
wait_for 3 popup_open
menu_choose "Help"
menu_choose "About..."
wait_for 10 probe has dialog "About Lumora"
unnamed=$(probe unnamed "About Lumora") || fail "about box controls without a name: $(echo "$unnamed" | tr '\n' ';')"
probe has link "contact form" || fail "the about box has no link 'contact form'"
x xdotool key Escape
wait_for 5 eval '! probe has dialog "About Lumora"'

# Nothing of this searched again.
(($(record_count) == 1)) || fail "$(record_count) addresses opened, expected 1"
note "ok"
