#!/usr/bin/env bash
# Data files made by hand are what the bar starts from: a stored x of 100
# places it there, and with a three-engine catalogue whose first engine is not
# selected, a search goes to the first selected one.
# Usage: test_saved_state.sh <path to lumora>
# shellcheck source=bar.sh
source "$(dirname "$0")/bar.sh"

e2e_setup "$@"

data=$E2E_TMP/config/Lumora
mkdir -p "$data"

# Byte writers. byte <value>: one byte; le32 <value>: a little-endian 32-bit
# integer; zeros <n>: n zero bytes; str <text>: the text after its one-byte
# length (shorter than 255 bytes).
byte() {
    # shellcheck disable=SC2059
    printf "$(printf '\\x%02x' "$1")"
}
le32() {
    local v=$(($1 & 0xFFFFFFFF))
    byte $((v & 255))
    byte $((v >> 8 & 255))
    byte $((v >> 16 & 255))
    byte $((v >> 24 & 255))
}
zeros() {
    head -c "$1" /dev/zero
}
str() {
    byte "${#1}"
    printf '%s' "$1"
}
# record <selected> <abbreviation> <group> <name> <url>: one catalogue record.
record() {
    byte "$1"
    le32 0 # extra
    str "$2"
    str "$3"
    str "$4"
    str "$5"
}

# The settings record: the defaults, except barLeft = 100.
{
    zeros 128
    printf 'Tahoma'
    zeros 122
    le32 -11 # fontHeight
    byte 0   # fontWeightFlag
    byte 0   # fontItalic
    byte 1   # autoHide
    byte 0   # padding
    le32 100 # barLeft
    le32 0   # engineIndex
    le32 1   # colorScheme
    le32 4   # rounding
    le32 0
    zeros 12
    le32 0 # transparency
    le32 0
    le32 1 # buttonView
} >"$data/data1.lmr"
size=$(stat -c %s "$data/data1.lmr")
((size == 308)) || fail "hand-made data1.lmr is $size bytes, expected 308"

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
