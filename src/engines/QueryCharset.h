// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <string_view>

// Sites that predate UTF-8 expect a query in their own charset. An engine
// names it with the label its source used; "" means UTF-8.

// The one spelling kept for a charset label as browsers and KDE write them
// ("cp 1251" and "CP1251" give "windows-1251", "latin1" gives "ISO-8859-1",
// "utf8" gives ""). False for a label this system has no encoder for.
bool CanonicalCharset(std::string_view label, std::string& name);

// The bytes of a UTF-8 query in `charset`. A character the charset cannot
// hold becomes a numeric reference ("&#1046;"), as browsers send a form's
// text; an unknown charset keeps the query in UTF-8.
std::string ConvertQuery(const std::string& utf8, const std::string& charset);
