// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "store/EngineList.h"
#include "store/SSearch.h"

#include <string>
#include <string_view>

// The placeholder a URL template holds for the query.
inline constexpr std::string_view kKeyword = "[keyword]";

// First engine whose abbreviation equals `word` regardless of ASCII case,
// selected or not, or the null record. Lower-cases the abbreviation of every
// engine it examines, in the list itself.
SSearch FindByAbbreviation(CEngineList& engines, std::string word);

// The engine a query's first word names as typed so far: the text, leading
// spaces skipped, starts with a word and a space, and the word is an
// abbreviation as FindByAbbreviation matches it (first engine wins). Changes
// nothing, so it can follow every keystroke. The null record otherwise.
SSearch EngineForQuery(const CEngineList& engines, std::string_view text);

// Percent-encodes a query for a URL: spaces become '+' (outside the query
// part, where '+' is a plain plus, "%20"), letters, digits and "-._~" stay,
// every other byte becomes %XX.
std::string EncodeQuery(const std::string& query, bool inPath = false);

// The address a search opens: the current engine's template (or that of the
// engine whose abbreviation starts the query) with the query put in place of
// every "[keyword]", its characters in the engine's charset. May lower-case abbreviations (see FindByAbbreviation).
std::string BuildSearchAddress(std::string query, const SSearch& current, CEngineList& engines);
