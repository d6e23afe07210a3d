// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Dispatch.h"

#include "engines/QueryCharset.h"
#include "engines/SecureAddress.h"
#include "store/TextUtil.h"

SSearch FindByAbbreviation(CEngineList& engines, std::string word)
{
    word = ToLowerAscii(std::move(word));
    // The stored abbreviations are lower-cased for good, not just compared:
    // what the user typed with capitals is shown and saved in lower case.
    for (SSearch& engine : engines) {
        engine.abbreviation = ToLowerAscii(std::move(engine.abbreviation));
        if (engine.abbreviation == word) return engine;
    }
    return NullSearch();
}

SSearch EngineForQuery(const CEngineList& engines, std::string_view text)
{
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return NullSearch();
    const auto space = text.find(' ', first);
    if (space == std::string_view::npos) return NullSearch();
    const std::string word = ToLowerAscii(std::string(text.substr(first, space - first)));
    for (const SSearch& engine : engines) {
        if (ToLowerAscii(engine.abbreviation) == word) return engine;
    }
    return NullSearch();
}

std::string EncodeQuery(const std::string& query, bool inPath)
{
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string out;
    out.reserve(query.size());
    for (const char c : query) {
        const auto b = static_cast<unsigned char>(c);
        const bool unreserved = (b >= 'a' && b <= 'z') || (b >= 'A' && b <= 'Z') || (b >= '0' && b <= '9') ||
                                b == '-' || b == '.' || b == '_' || b == '~';
        if (b == ' ') {
            out += inPath ? "%20" : "+";
        } else if (unreserved) {
            out += c;
        } else {
            out += '%';
            out += kHex[b >> 4];
            out += kHex[b & 0x0F];
        }
    }
    return out;
}

std::string BuildSearchAddress(std::string query, const SSearch& current, CEngineList& engines)
{
    std::string address = current.url;
    std::string charset = current.charset;

    // Only the space is trimmed; tabs and other blanks belong to the query.
    const auto first = query.find_first_not_of(' ');
    if (first == std::string::npos) {
        query.clear();
    } else {
        query.erase(query.find_last_not_of(' ') + 1);
        query.erase(0, first);
    }

    // A leading word that is some engine's abbreviation picks that engine for
    // this search only; exactly one space after it goes with it.
    if (const auto p = query.find(' '); p != std::string::npos) {
        const SSearch picked = FindByAbbreviation(engines, query.substr(0, p));
        if (!IsNull(picked)) {
            address = picked.url;
            charset = picked.charset;
            query.erase(0, p + 1);
        }
    }

    const std::string bytes = ConvertQuery(query, charset);
    const std::string inQuery = EncodeQuery(bytes);
    const std::string inPath = EncodeQuery(bytes, true);
    // Left to right; the inserted text is never scanned again. Only in the
    // query part, after '?' and before '#', is '+' a space; in the path and
    // the fragment it is a plain plus. The encoded text holds neither '?'
    // nor '#', so the first ones found are always the template's.
    for (std::size_t pos = address.find(kKeyword); pos != std::string::npos;) {
        const std::size_t question = address.find('?');
        const std::size_t hash = address.find('#');
        const bool inQueryPart = question < pos && question < hash && pos < hash;
        const std::string& encoded = inQueryPart ? inQuery : inPath;
        address.replace(pos, kKeyword.size(), encoded);
        pos = address.find(kKeyword, pos + encoded.size());
    }
    return UpgradeToHttps(std::move(address));
}
