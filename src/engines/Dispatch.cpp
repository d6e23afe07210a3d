#include "Dispatch.h"

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

std::string EncodeQuery(const std::string& query)
{
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string out;
    out.reserve(query.size());
    for (const char c : query) {
        const auto b = static_cast<unsigned char>(c);
        const bool unreserved = (b >= 'a' && b <= 'z') || (b >= 'A' && b <= 'Z') || (b >= '0' && b <= '9') ||
                                b == '-' || b == '.' || b == '_' || b == '~';
        if (b == ' ') {
            out += '+';
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
            query.erase(0, p + 1);
        }
    }

    const std::string encoded = EncodeQuery(query);
    // Left to right; the inserted text is never scanned again.
    for (std::size_t pos = address.find(kKeyword); pos != std::string::npos;
         pos = address.find(kKeyword, pos + encoded.size())) {
        address.replace(pos, kKeyword.size(), encoded);
    }
    return UpgradeToHttps(std::move(address));
}
