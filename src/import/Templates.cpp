// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "import/Templates.h"

#include "engines/Dispatch.h"
#include "engines/QueryCharset.h"

#include <algorithm>
#include <vector>

namespace {

constexpr std::size_t kMaxTemplateBytes = 8192;
constexpr std::size_t kMaxNameBytes = 256;
constexpr std::size_t kMaxKeywordBytes = 64;

void ReplaceAll(std::string& text, std::string_view from, std::string_view to)
{
    for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
}

bool StartsWithNoCase(std::string_view text, std::string_view prefix)
{
    if (text.size() < prefix.size()) return false;
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        char c = text[i];
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        if (c != prefix[i]) return false;
    }
    return true;
}

// Drops the pieces of the query part that a removal left empty ("a=1&&b=2",
// "?&b=2", a trailing "&").
std::string TidyQuery(std::string url)
{
    const std::size_t question = url.find('?');
    if (question == std::string::npos) return url;
    std::size_t end = url.find('#', question);
    if (end == std::string::npos) end = url.size();
    std::string kept;
    std::size_t start = question + 1;
    while (start <= end) {
        std::size_t amp = url.find('&', start);
        if (amp == std::string::npos || amp > end) amp = end;
        if (amp > start) {
            if (!kept.empty()) kept += '&';
            kept.append(url, start, amp - start);
        }
        start = amp + 1;
    }
    return url.substr(0, question + 1) + kept + url.substr(end);
}

}  // namespace

std::string MapPercentTemplate(std::string_view url, std::string& reason)
{
    std::string out(url);
    if (out.find("%s") == std::string::npos && out.find("%S") == std::string::npos) {
        reason = kSkipNoQuery;
        return {};
    }
    ReplaceAll(out, "%s", kKeyword);
    ReplaceAll(out, "%S", kKeyword);
    return out;
}

std::string MapOpenSearchTemplate(std::string_view url, std::string& reason, int indexOffset, int pageOffset,
                                  std::string_view inputEncoding)
{
    std::string out;
    out.reserve(url.size());
    std::size_t i = 0;
    while (i < url.size()) {
        if (url[i] != '{') {
            out += url[i++];
            continue;
        }
        const std::size_t close = url.find('}', i);
        if (close == std::string_view::npos) {
            reason = kSkipUnsupportedAddress;
            return {};
        }
        std::string_view name = url.substr(i + 1, close - i - 1);
        const bool optional = !name.empty() && name.back() == '?';
        if (optional) name.remove_suffix(1);
        i = close + 1;
        if (name == "searchTerms")
            out += kKeyword;
        else if (name == "inputEncoding")
            out += inputEncoding;
        else if (name == "outputEncoding")
            out += "UTF-8";
        else if (name == "language")
            out += '*';
        else if (name == "startIndex")
            out += std::to_string(indexOffset);
        else if (name == "startPage")
            out += std::to_string(pageOffset);
        else if (!optional) {
            reason = kSkipUnsupportedAddress;
            return {};
        }
    }
    return out;
}

std::string MapChromiumTemplate(std::string_view url, std::string& reason)
{
    return MapChromiumTemplate(url, reason, "UTF-8");
}

std::string MapChromiumTemplate(std::string_view url, std::string& reason, std::string_view inputEncoding)
{
    std::string out(url);
    ReplaceAll(out, "{google:baseURL}", "https://www.google.com/");
    bool dropped = false;
    for (std::size_t at = out.find("{google:"); at != std::string::npos; at = out.find("{google:", at)) {
        const std::size_t close = out.find('}', at);
        if (close == std::string::npos) {
            reason = kSkipUnsupportedAddress;
            return {};
        }
        // "&name={google:x}": the pair goes with the parameter.
        std::size_t from = at;
        if (from > 0 && out[from - 1] == '=') {
            std::size_t pairStart = out.find_last_of("?&", from - 1);
            if (pairStart != std::string::npos && out.find_first_of("/{}", pairStart) >= from) from = pairStart + 1;
        }
        out.erase(from, close + 1 - from);
        at = from;
        dropped = true;
    }
    if (dropped) out = TidyQuery(std::move(out));
    return MapOpenSearchTemplate(out, reason, 1, 1, inputEncoding);
}

std::string MapKdeTemplate(std::string_view url, std::string& reason)
{
    std::string out(url);
    ReplaceAll(out, "\\{@}", kKeyword);
    ReplaceAll(out, "\\{0}", kKeyword);
    if (out.find("\\{") != std::string::npos) {
        reason = kSkipUnsupportedAddress;
        return {};
    }
    return out;
}

bool AcceptTemplate(const std::string& url, std::string& reason)
{
    if (!StartsWithNoCase(url, "http://") && !StartsWithNoCase(url, "https://")) {
        reason = kSkipUnsupportedAddress;
        return false;
    }
    if (url.size() > kMaxTemplateBytes || HostOf(url).empty()) {
        reason = kSkipUnsupportedAddress;
        return false;
    }
    // Spaces, control characters, quotes and backslashes never belong in an address.
    for (const char c : url) {
        const auto u = static_cast<unsigned char>(c);
        if (u <= 0x20 || u == 0x7F || c == '"' || c == '\\') {
            reason = kSkipUnsupportedAddress;
            return false;
        }
    }
    if (url.find(kKeyword) == std::string::npos) {
        reason = kSkipNoQuery;
        return false;
    }
    return true;
}

std::string CleanText(std::string_view text, std::size_t maxBytes)
{
    std::string out;
    out.reserve(std::min(text.size(), maxBytes));
    for (const char c : text) {
        const auto u = static_cast<unsigned char>(c);
        out += (u < 0x20 || u == 0x7F) ? ' ' : c;
    }
    const std::size_t first = out.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    out.erase(0, first);
    if (out.size() > maxBytes) {
        std::size_t cut = maxBytes;
        // Never leave half a UTF-8 sequence behind.
        while (cut > 0 && (static_cast<unsigned char>(out[cut]) & 0xC0) == 0x80) --cut;
        out.resize(cut);
    }
    out.erase(out.find_last_not_of(' ') + 1);
    return out;
}

std::string CleanKeyword(std::string_view keyword)
{
    std::string out = CleanText(keyword, keyword.size());
    if (out.size() > kMaxKeywordBytes || out.find(' ') != std::string::npos) return {};
    return out;
}

std::string HostOf(std::string_view url)
{
    const std::size_t scheme = url.find("://");
    if (scheme == std::string_view::npos) return {};
    const std::size_t start = scheme + 3;
    std::size_t end = url.find_first_of("/?#", start);
    if (end == std::string_view::npos) end = url.size();
    std::string_view host = url.substr(start, end - start);
    if (const std::size_t at = host.rfind('@'); at != std::string_view::npos) host.remove_prefix(at + 1);
    return std::string(host);
}

SImportedEngine* AddEngine(SImportResult& result, std::string name, const std::string& mappedUrl,
                           const std::string& reason, std::string keyword, bool userMade, std::string_view charset)
{
    std::string why = reason;
    if (why.empty()) AcceptTemplate(mappedUrl, why);
    std::string canonical;
    if (why.empty() && !CanonicalCharset(charset, canonical)) why = kSkipCharset;
    if (!why.empty()) {
        ++result.skipped[why];
        return nullptr;
    }
    SImportedEngine e;
    e.keyword = CleanKeyword(keyword);
    e.name = CleanText(name, kMaxNameBytes);
    if (e.name.empty()) e.name = e.keyword.empty() ? CleanText(HostOf(mappedUrl), kMaxNameBytes) : e.keyword;
    e.url = mappedUrl;
    e.userMade = userMade;
    e.charset = std::move(canonical);
    result.engines.push_back(std::move(e));
    return &result.engines.back();
}
