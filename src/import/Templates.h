// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "import/ImportTypes.h"

#include <string>
#include <string_view>

// Turning the address templates of other programs into the bar's own form.
// Each returns the mapped template, or an empty string with `reason` set to
// one of the skip reasons when the engine cannot be used.

// Firefox keyword bookmarks: "%s" and "%S" stand for the query.
std::string MapPercentTemplate(std::string_view url, std::string& reason);

// OpenSearch 1.1 parameters: {searchTerms} is the query, optional parameters
// ({name?}) go, {inputEncoding} becomes the engine's charset, {outputEncoding}
// UTF-8, {language} "*", {startIndex} and {startPage} the given first index
// and page; any other parameter makes the template unusable.
std::string MapOpenSearchTemplate(std::string_view url, std::string& reason, int indexOffset = 1, int pageOffset = 1,
                                  std::string_view inputEncoding = "UTF-8");

// Chromium's templates: OpenSearch parameters plus its own {google:...}
// ones. {google:baseURL} is Google's home address; the others are dropped
// together with their "&name=" pair.
// {inputEncoding} becomes the engine's charset (UTF-8 in the first form).
std::string MapChromiumTemplate(std::string_view url, std::string& reason);
std::string MapChromiumTemplate(std::string_view url, std::string& reason, std::string_view inputEncoding);

// KDE web shortcuts: "\{@}" and "\{0}" stand for the query (after the
// desktop entry's own escapes are undone).
std::string MapKdeTemplate(std::string_view url, std::string& reason);

// Checks a mapped template before it may reach the engine list: an http or
// https address of printable characters that holds "[keyword]" and is not
// absurdly long. Returns false with `reason` set otherwise.
bool AcceptTemplate(const std::string& url, std::string& reason);

// A display name or keyword fit for the list: control characters become
// spaces, outer spaces go, and the text is cut at `maxBytes` on a character
// boundary.
std::string CleanText(std::string_view text, std::size_t maxBytes);

// A keyword the bar can match as a query's first word: no spaces or control
// characters; anything else gives "".
std::string CleanKeyword(std::string_view keyword);

// The host of an http(s) address ("www.example.org"), for engines without a name.
std::string HostOf(std::string_view url);

// The engine as it goes into a result: template mapped and checked, name and
// keyword cleaned, the charset label in its one spelling. Appends it to
// `result.engines` and returns it, or counts why not and returns null.
SImportedEngine* AddEngine(SImportResult& result, std::string name, const std::string& mappedUrl,
                           const std::string& reason, std::string keyword, bool userMade,
                           std::string_view charset = {});
