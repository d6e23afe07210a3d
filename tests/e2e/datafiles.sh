# SPDX-FileCopyrightText: 2026 The Lumora developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Writers for hand-made data files. Source it after lib.sh.
#
#   byte <value>              one byte
#   le32 <value>              a little-endian 32-bit integer
#   zeros <n>                 n zero bytes
#   str <text>                the text after its one-byte length (< 255 bytes)
#   record <sel> <abbr> <group> <name> <url>   one catalogue record
#   settings_file <barLeft> <autoHide>         the default settings record
#                                              with that x and auto hide
#   catalog_records <file>    "<selected> <name>" per record of a catalogue

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
record() {
    byte "$1"
    le32 0 # extra
    str "$2"
    str "$3"
    str "$4"
    str "$5"
}
settings_file() {
    zeros 128
    printf 'Tahoma'
    zeros 122
    le32 -11 # fontHeight
    byte 0   # fontWeightFlag
    byte 0   # fontItalic
    byte "$2" # autoHide
    byte 0   # padding
    le32 "$1" # barLeft
    le32 0   # engineIndex
    le32 1   # colorScheme
    le32 4   # rounding
    le32 0
    zeros 12
    le32 0 # transparency
    le32 0
    le32 1 # buttonView
}

# write_settings <barLeft> <autoHide>: into the test's data folder.
write_settings() {
    mkdir -p "$E2E_TMP/config/Lumora"
    settings_file "$1" "$2" >"$E2E_TMP/config/Lumora/data1.lmr"
    local size
    size=$(stat -c %s "$E2E_TMP/config/Lumora/data1.lmr")
    ((size == 308)) || fail "hand-made data1.lmr is $size bytes, expected 308"
}

# catalog_records <file>: one line per record of a catalogue file,
# "<selected> <name>", in file order; the count goes first as "count <n>".
catalog_records() {
    local -a b
    read -r -a b <<<"$(od -An -v -tu1 "$1" | tr -s ' \n' '  ')"
    local at=4 n i field len
    n=$((b[0] | b[1] << 8 | b[2] << 16 | b[3] << 24))
    echo "count $n"
    for ((i = 0; i < n; i++)); do
        local selected=${b[at]} name=""
        at=$((at + 5))
        for field in abbreviation group name url; do
            len=${b[at]}
            at=$((at + 1))
            if ((len == 255)); then
                len=$((b[at] | b[at + 1] << 8))
                at=$((at + 2))
            fi
            if [[ $field == name ]]; then
                local k
                for ((k = 0; k < len; k++)); do name+=$(printf "\\x$(printf %02x "${b[at + k]}")"); done
            fi
            at=$((at + len))
        done
        echo "$selected $name"
    done
}
