// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "TextUtil.h"

#include <cstdio>

std::string FormatNumber(double value)
{
    // Fixed point with precision 0: rounded to the nearest whole number the
    // way printf rounds (ties to even), a leading minus, no digit grouping.
    const int length = std::snprintf(nullptr, 0, "%.0f", value);
    if (length <= 0) return std::string();
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    std::snprintf(text.data(), text.size(), "%.0f", value);
    text.resize(static_cast<std::size_t>(length));
    return text;
}

bool HasText(const std::string& text)
{
    for (const char c : text) {
        if (c != ' ' && c != '\n' && c != '\r' && c != '\0') return true;
    }
    return false;
}

std::string ToLowerAscii(std::string text)
{
    for (char& c : text) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return text;
}
