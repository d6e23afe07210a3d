// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Text that comes from outside the query field (a selection, the command
// line) made into one line a search can take: line breaks and tabs become
// spaces, other control characters and bytes that are not UTF-8 go, spaces
// at either end go, and at most `maxCharacters` characters are kept.
std::string CleanQueryText(std::string_view text, std::size_t maxCharacters);

// How much of a selection the bar takes into its field.
inline constexpr std::size_t kMaxSelectionCharacters = 1000;
