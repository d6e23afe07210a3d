// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "QueryCharset.h"

#include <iconv.h>

#include <array>
#include <cerrno>
#include <cstdint>

namespace {

struct SCharset {
    const char* key;    // label without case, spaces, '-' and '_'
    const char* name;   // what the catalogue keeps
    const char* iconv;  // glibc's converter
};

// Browsers treat ISO-8859-1 and ASCII as windows-1252 (the WHATWG Encoding
// Standard), so a site gets "\x80" for the euro sign as they would send it.
constexpr SCharset kCharsets[] = {
    {"utf8", "", "UTF-8"},
    {"unicode11utf8", "", "UTF-8"},
    {"iso88591", "ISO-8859-1", "WINDOWS-1252"},
    {"latin1", "ISO-8859-1", "WINDOWS-1252"},
    {"l1", "ISO-8859-1", "WINDOWS-1252"},
    {"usascii", "ISO-8859-1", "WINDOWS-1252"},
    {"ascii", "ISO-8859-1", "WINDOWS-1252"},
    {"iso885915", "ISO-8859-15", "ISO-8859-15"},
    {"latin9", "ISO-8859-15", "ISO-8859-15"},
    {"iso88592", "ISO-8859-2", "ISO-8859-2"},
    {"latin2", "ISO-8859-2", "ISO-8859-2"},
    {"iso88595", "ISO-8859-5", "ISO-8859-5"},
    {"iso88597", "ISO-8859-7", "ISO-8859-7"},
    {"iso88599", "ISO-8859-9", "WINDOWS-1254"},
    {"koi8r", "KOI8-R", "KOI8-R"},
    {"koi8u", "KOI8-U", "KOI8-U"},
    {"shiftjis", "Shift_JIS", "CP932"},
    {"sjis", "Shift_JIS", "CP932"},
    {"windows31j", "Shift_JIS", "CP932"},
    {"eucjp", "EUC-JP", "EUC-JP"},
    {"iso2022jp", "ISO-2022-JP", "ISO-2022-JP"},
    {"gb2312", "GBK", "GBK"},
    {"gbk", "GBK", "GBK"},
    {"cp936", "GBK", "GBK"},
    {"gb18030", "gb18030", "GB18030"},
    {"big5", "Big5", "BIG5-HKSCS"},
    {"euckr", "EUC-KR", "CP949"},
    {"ibm866", "IBM866", "IBM866"},
    {"cp866", "IBM866", "IBM866"},
    {"windows874", "windows-874", "CP874"},
    {"tis620", "windows-874", "CP874"},
};

// windows-1250 .. windows-1258 under their many spellings.
bool WindowsCodePage(const std::string& key, std::string& name)
{
    for (const char* prefix : {"windows", "xcp", "cp"}) {
        const std::string p(prefix);
        if (key.size() == p.size() + 4 && key.compare(0, p.size(), p) == 0 && key.compare(p.size(), 3, "125") == 0 &&
            key[p.size() + 3] >= '0' && key[p.size() + 3] <= '8') {
            name = "windows-125" + std::string(1, key[p.size() + 3]);
            return true;
        }
    }
    return false;
}

std::string Key(std::string_view label)
{
    std::string key;
    for (const char c : label) {
        if (c == ' ' || c == '-' || c == '_' || c == '\t') continue;
        key += (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
    }
    return key;
}

const char* IconvName(const std::string& name)
{
    for (const SCharset& c : kCharsets)
        if (name == c.name) return c.iconv;
    return nullptr;
}

// Next code point of UTF-8 text; a broken sequence gives U+FFFD for one byte.
std::uint32_t NextCodePoint(const std::string& s, std::size_t& i, std::size_t& length)
{
    const auto b = static_cast<unsigned char>(s[i]);
    std::uint32_t cp = b;
    length = b < 0x80 ? 1 : (b >> 5) == 6 ? 2 : (b >> 4) == 14 ? 3 : (b >> 3) == 30 ? 4 : 0;
    if (length > 1) {
        if (i + length > s.size()) {
            length = 0;
        } else {
            cp = b & (0x7F >> length);
            for (std::size_t k = 1; k < length; ++k) {
                const auto c = static_cast<unsigned char>(s[i + k]);
                if ((c & 0xC0) != 0x80) {
                    length = 0;
                    break;
                }
                cp = cp << 6 | (c & 0x3F);
            }
        }
    }
    if (length == 0) {
        length = 1;
        cp = 0xFFFD;
    }
    i += length;
    return cp;
}

}  // namespace

bool CanonicalCharset(std::string_view label, std::string& name)
{
    const std::string key = Key(label);
    name.clear();
    if (key.empty()) return true;
    for (const SCharset& c : kCharsets) {
        if (key == c.key) {
            name = c.name;
            return true;
        }
    }
    return WindowsCodePage(key, name);
}

std::string ConvertQuery(const std::string& utf8, const std::string& charset)
{
    if (charset.empty()) return utf8;
    std::string iconvName;
    if (const char* known = IconvName(charset)) {
        iconvName = known;
    } else if (charset.rfind("windows-125", 0) == 0) {
        iconvName = "CP" + charset.substr(8);
    } else {
        return utf8;
    }
    const iconv_t cd = iconv_open(iconvName.c_str(), "UTF-8");
    if (cd == reinterpret_cast<iconv_t>(-1)) return utf8;
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        const std::size_t start = i;
        std::size_t length = 0;
        const std::uint32_t cp = NextCodePoint(utf8, i, length);
        std::array<char, 16> buffer{};
        std::string in = cp == 0xFFFD && length == 1 && static_cast<unsigned char>(utf8[start]) >= 0x80
                             ? std::string("\xEF\xBF\xBD")
                             : utf8.substr(start, length);
        char* inPtr = in.data();
        std::size_t inLeft = in.size();
        char* outPtr = buffer.data();
        std::size_t outLeft = buffer.size();
        if (iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft) == static_cast<std::size_t>(-1)) {
            iconv(cd, nullptr, nullptr, nullptr, nullptr);
            out += "&#" + std::to_string(cp) + ';';
            continue;
        }
        out.append(buffer.data(), buffer.size() - outLeft);
    }
    // Stateful charsets (ISO-2022-JP) end in their initial state.
    std::array<char, 16> buffer{};
    char* outPtr = buffer.data();
    std::size_t outLeft = buffer.size();
    if (iconv(cd, nullptr, nullptr, &outPtr, &outLeft) != static_cast<std::size_t>(-1))
        out.append(buffer.data(), buffer.size() - outLeft);
    iconv_close(cd);
    return out;
}
