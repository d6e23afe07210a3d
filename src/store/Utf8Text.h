// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <string_view>

// Whether `text` is well-formed UTF-8: no stray continuation bytes, no
// truncated sequences, no overlong forms, no surrogates, nothing above
// U+10FFFF.
bool IsValidUtf8(std::string_view text);

// Simple case folding for matching text regardless of letter case: ASCII,
// Latin-1, Latin Extended-A, Greek, Cyrillic and Armenian capitals become
// their small letters (final sigma folds to sigma). Everything else, and
// bytes that are not UTF-8, stay as they are. Folding never joins or splits
// characters, so when FoldCase(a) starts with FoldCase(b), the match ends on
// a character boundary of a.
std::string FoldCase(std::string_view text);
