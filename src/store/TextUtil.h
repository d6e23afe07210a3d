// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

// A number as text with no decimals ("79", "0", "-3").
std::string FormatNumber(double value);

// True when the string holds any byte other than space, CR, LF and NUL.
bool HasText(const std::string& text);

// ASCII lower-casing; other bytes are left as they are.
std::string ToLowerAscii(std::string text);
