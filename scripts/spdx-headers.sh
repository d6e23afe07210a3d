#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Lumora developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Puts the copyright and licence lines at the top of every tracked file that
# lacks them, in the file's own comment syntax. Running it again changes
# nothing. Files that cannot carry a comment (images, test data, translations)
# are covered by .reuse/dep5 instead and are left alone here.
#
#   scripts/spdx-headers.sh          # the whole tree
#   scripts/spdx-headers.sh FILE...  # just these files
set -euo pipefail
cd "$(git rev-parse --show-toplevel)"

# REUSE-IgnoreStart (the lines this script writes, not its own)
copyright="SPDX-FileCopyrightText: 2026 The Lumora developers"
licence="SPDX-License-Identifier: GPL-3.0-or-later"

# How a file's comment starts and ends; nothing for files left to dep5.
comment_style() {
    case "$1" in
    LICENSE | LICENSES/* | .reuse/*) ;;
    resources/icons/* | docs/screenshots/* | fuzz/corpus/* | tests/store/fixtures/* | *.ts | *.png) ;;
    # Files other programs wrote, kept as they wrote them (.reuse/dep5).
    tests/import/fixtures/chromium/* | tests/import/fixtures/firefox/* | tests/import/fixtures/kde/*) ;;
    tests/desktop/fixtures/*) ;;
    *.cpp | *.h | *.cc | *.hpp) echo '// |' ;;
    *.sh | *.py | *.cmake | *.txt | *.supp | *.toml | *.desktop | *.yml | *.yaml | *.in) echo '# |' ;;
    */CMakeLists.txt | CMakeLists.txt | Makefile | .gitignore | .clang-format | .ci/*) echo '# |' ;;
    *.md | *.xml | *.qrc | *.svg | *.html) echo '<!-- | -->' ;;
    *.[1-8]) echo '.\" |' ;;
    esac
}

# The first line stays first when it must: a #!, an XML declaration or
# doctype, or a man page's preprocessor hint.
keeps_first_line() {
    case "$1" in
    '#!'* | '<?xml'* | '<!DOCTYPE'* | "'\\\""*) return 0 ;;
    esac
    return 1
}

add_header() {
    local file=$1 style=$2
    local open=${style%%|*} close=${style#*|}
    # Already there (this script's own lines, or a header written by hand).
    if head -n 15 -- "$file" | grep -q 'SPDX-License-Identifier:'; then return 0; fi
    local tmp
    tmp=$(mktemp "${file}.XXXXXX")
    {
        local first=""
        IFS= read -r first <"$file" || true
        if keeps_first_line "$first"; then
            printf '%s\n' "$first"
        fi
        printf '%s%s%s\n' "$open" "$copyright" "$close"
        printf '%s%s%s\n' "$open" "$licence" "$close"
        # A blank line apart from the code, except where the next line is
        # already a comment of the same kind.
        if keeps_first_line "$first"; then
            tail -n +2 -- "$file"
        else
            case "$file" in *.md | *.cpp | *.h) echo ;; esac
            cat -- "$file"
        fi
    } >"$tmp"
    chmod --reference="$file" "$tmp"
    mv -- "$tmp" "$file"
    echo "$file"
}

if [ $# -gt 0 ]; then
    files=("$@")
else
    mapfile -t files < <(git ls-files)
fi

for file in "${files[@]}"; do
    [ -f "$file" ] || continue
    style=$(comment_style "$file")
    [ -n "$style" ] || continue
    add_header "$file" "$style"
done
# REUSE-IgnoreEnd
