// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engines/Catalog.h"
#include "engines/Dispatch.h"
#include "engines/QueryCharset.h"
#include "engines/SecureAddress.h"

#include "common/BuiltInEngines.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace {

SSearch Engine(std::string name, std::string url, std::string abbreviation)
{
    SSearch s;
    s.name = std::move(name);
    s.url = std::move(url);
    s.abbreviation = std::move(abbreviation);
    return s;
}

// The template of catalogue row `row` with `encoded` in place of the
// placeholder, as a search sends it (over https for a built-in host).
std::string Filled(int row, const std::string& encoded)
{
    std::string url(BuiltInCatalog()[static_cast<std::size_t>(row)].url);
    return UpgradeToHttps(url.replace(url.find(kKeyword), kKeyword.size(), encoded));
}

constexpr int kGoogle = 0;
constexpr int kScholar = 8;
constexpr int kCnetDownload = 42;
constexpr int kWikipedia = 44;

struct Case {
    const char* query;
    int row;              // engine whose template the address must use
    const char* encoded;  // what must stand in place of "[keyword]"
};

}  // namespace

TEST(Dispatch, AddressesFromGoogle)
{
    const Case cases[] = {
        {"  cats and dogs  ", kGoogle, "cats+and+dogs"},
        {"w Dublin Bay", kWikipedia, "Dublin%20Bay"},  // in the path '+' is a plus
        {"W Dublin", kWikipedia, "Dublin"},
        {"d tools", kCnetDownload, "tools"},
        {"gsc relativity", kScholar, "relativity"},  // not selected, still found
        {"zz lamp", kGoogle, "zz+lamp"},
        {"g", kGoogle, "g"},   // no space: no lookup
        {"g ", kGoogle, "g"},  // trimmed to the same
        {"w", kGoogle, "w"},
        {"g  cats", kGoogle, "+cats"},  // only one space goes with the word
        {"w a  b", kWikipedia, "a%20%20b"},
        {"", kGoogle, ""},
        {"     ", kGoogle, ""},
        {"\tcats\t", kGoogle, "%09cats%09"},   // only spaces are trimmed
        {"w\tDublin", kGoogle, "w%09Dublin"},  // a tab does not end the word
        {"c++", kGoogle, "c%2B%2B"},
        {"a&b#c", kGoogle, "a%26b%23c"},
        {"c + d", kGoogle, "c+%2B+d"},
        {"100%", kGoogle, "100%25"},
        {"a?b/c=d", kGoogle, "a%3Fb%2Fc%3Dd"},
        {"caf\xC3\xA9", kGoogle, "caf%C3%A9"},  // each byte of a UTF-8 character
        {"[keyword]", kGoogle, "%5Bkeyword%5D"},
        {"w [keyword]", kWikipedia, "%5Bkeyword%5D"},
        {"Az-09._~", kGoogle, "Az-09._~"},
    };
    const SSearch google = BuiltInEngines().At(kGoogle);
    for (const Case& c : cases) {
        CEngineList list = BuiltInEngines();
        EXPECT_EQ(BuildSearchAddress(c.query, google, list), Filled(c.row, c.encoded)) << "query '" << c.query << "'";
    }
}

TEST(Dispatch, ExactGoogleAndWikipediaAddresses)
{
    CEngineList list = BuiltInEngines();
    const SSearch google = list.At(kGoogle);
    EXPECT_EQ(BuildSearchAddress("g  cats", google, list), "https://www.google.com/search?q=+cats");
    EXPECT_EQ(BuildSearchAddress("w Dublin Bay", google, list), "https://en.wikipedia.org/wiki/Dublin%20Bay");
    // The picked engine serves this search only: the next one goes to Google.
    EXPECT_EQ(BuildSearchAddress("cats", google, list), "https://www.google.com/search?q=cats");
}

TEST(Dispatch, TemplateEdgeCases)
{
    CEngineList list = BuiltInEngines();
    EXPECT_EQ(BuildSearchAddress("cats", Engine("x", "http://example.org/fixed", "x"), list),
              "http://example.org/fixed");
    // '+' means a space only in the query part; the path and the fragment get %20.
    EXPECT_EQ(BuildSearchAddress("zz y", Engine("x", "http://e.org/[keyword]/[keyword]?q=[keyword]", "x"), list),
              "http://e.org/zz%20y/zz%20y?q=zz+y");
    EXPECT_EQ(BuildSearchAddress("zz y", Engine("x", "http://e.org/p?q=[keyword]#t=[keyword]", "x"), list),
              "http://e.org/p?q=zz+y#t=zz%20y");
    EXPECT_EQ(BuildSearchAddress("zz y", Engine("x", "http://e.org/#q=[keyword]", "x"), list),
              "http://e.org/#q=zz%20y");
    EXPECT_EQ(BuildSearchAddress("x", Engine("x", "[keyword][keyword]", "x"), list), "xx");
    EXPECT_EQ(BuildSearchAddress("", Engine("x", "http://e.org/?q=[keyword]&[keyword]", "x"), list),
              "http://e.org/?q=&");
}

TEST(Dispatch, NullCurrentEngine)
{
    CEngineList list = BuiltInEngines();
    EXPECT_EQ(BuildSearchAddress("cats", NullSearch(), list), "");
    EXPECT_EQ(BuildSearchAddress("", NullSearch(), list), "");
    EXPECT_EQ(BuildSearchAddress("zz cats", NullSearch(), list), "");
    // An abbreviation still picks its engine's template.
    EXPECT_EQ(BuildSearchAddress("w cats", NullSearch(), list), Filled(kWikipedia, "cats"));
    CEngineList empty;
    EXPECT_EQ(BuildSearchAddress("w cats", NullSearch(), empty), "");
}

TEST(Dispatch, MixedCaseAbbreviationIsLowerCasedInPlace)
{
    for (const char* query : {"wx rain", "WX rain"}) {
        CEngineList list = BuiltInEngines();
        list.At(1).abbreviation = "GI";
        list.At(kWikipedia).abbreviation = "W";
        list.Append(Engine("Weather", "http://weather.example/[keyword]", "WX"));
        list.Append(Engine("After", "http://after.example/[keyword]", "AFT"));

        EXPECT_EQ(BuildSearchAddress(query, list.At(kGoogle), list), "http://weather.example/rain") << query;
        EXPECT_EQ(list.At(1).abbreviation, "gi");
        EXPECT_EQ(list.At(kWikipedia).abbreviation, "w");
        EXPECT_EQ(list.At(79).abbreviation, "wx");
        EXPECT_EQ(list.At(80).abbreviation, "AFT");  // never examined
    }
}

TEST(Dispatch, FindByAbbreviation)
{
    CEngineList list;
    list.Append(Engine("First", "u1", "Ab"));
    list.Append(Engine("Second", "u2", "CD"));
    list.Append(Engine("Third", "u3", "cd"));
    list.Append(Engine("Fourth", "u4", "EF"));

    const SSearch found = FindByAbbreviation(list, "cD");
    EXPECT_EQ(found.name, "Second");  // the first of the two equal ones
    EXPECT_EQ(found.abbreviation, "cd");
    EXPECT_EQ(list.At(0).abbreviation, "ab");
    EXPECT_EQ(list.At(1).abbreviation, "cd");
    EXPECT_EQ(list.At(3).abbreviation, "EF");

    const SSearch missing = FindByAbbreviation(list, "zz");
    EXPECT_TRUE(IsNull(missing));
    EXPECT_EQ(missing, NullSearch());
    EXPECT_EQ(list.At(3).abbreviation, "ef");  // a miss examines every engine

    CEngineList empty;
    EXPECT_TRUE(IsNull(FindByAbbreviation(empty, "g")));

    // Bytes outside ASCII are compared as they are, never case-folded.
    list.Append(Engine("Umlaut", "u5", "\xC3\x84"));
    EXPECT_TRUE(IsNull(FindByAbbreviation(list, "\xC3\xA4")));
    EXPECT_EQ(FindByAbbreviation(list, "\xC3\x84").name, "Umlaut");
}

// What the field shows while the user types: the engine the first word
// names once a space follows it, found as a search finds it, the list untouched.
TEST(Dispatch, EngineForQueryFollowsTheTypedFirstWord)
{
    CEngineList list;
    list.Append(Engine("First", "u1", "Ab"));
    list.Append(Engine("Second", "u2", "CD"));
    list.Append(Engine("Third", "u3", "cd"));
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"cd ", "Second"},
        {"Cd Dublin", "Second"},
        {"  ab x y", "First"},
        {"ab  x", "First"},
        {"cd", ""},
        {"zz lamp", ""},
        {"", ""},
        {"   ", ""},
        {"x cd y", ""},
        {"abc d", ""},
    };
    for (const auto& [text, name] : cases) {
        const SSearch found = EngineForQuery(list, text);
        EXPECT_EQ(IsNull(found) ? "" : found.name, name) << '"' << text << '"';
    }
    EXPECT_EQ(list.At(1).abbreviation, "CD");  // never lower-cased here
}

TEST(Dispatch, EngineNamedNullCountsAsNotFound)
{
    CEngineList list = BuiltInEngines();
    list.At(kWikipedia).name = "null";
    EXPECT_EQ(BuildSearchAddress("w cats", list.At(kGoogle), list), Filled(kGoogle, "w+cats"));
}

TEST(Dispatch, QueryInTheEnginesCharset)
{
    CEngineList list = BuiltInEngines();
    SSearch latin = Engine("Lexique", "https://lexique.example.fr/cherche?mot=[keyword]", "lx");
    latin.charset = "ISO-8859-1";
    SSearch cyrillic = Engine("Multitran", "https://www.multitran.com/m.exe/[keyword]?s=[keyword]", "mt");
    cyrillic.charset = "windows-1251";
    list.Append(latin);
    list.Append(cyrillic);
    // As Firefox sends them: ISO-8859-1 is windows-1252, so the euro sign is
    // 0x80; a character the charset lacks goes as a numeric reference.
    EXPECT_EQ(BuildSearchAddress("lx \xC3\x9C"
                                 "ber \xE2\x82\xAC \xD0\x96",
                                 list.At(0), list),
              "https://lexique.example.fr/cherche?mot=%DCber+%80+%26%231046%3B");
    EXPECT_EQ(BuildSearchAddress("mt \xD0\x96\xD1\x83\xD0\xBA Z\xC3\xBCrich", list.At(0), list),
              "https://www.multitran.com/m.exe/%C6%F3%EA%20Z%26%23252%3Brich?s=%C6%F3%EA+Z%26%23252%3Brich");
    // The current engine's own charset counts too; UTF-8 for the others.
    EXPECT_EQ(BuildSearchAddress("\xC3\xA9t\xC3\xA9", latin, list), "https://lexique.example.fr/cherche?mot=%E9t%E9");
    EXPECT_EQ(BuildSearchAddress("\xC3\xA9t\xC3\xA9", list.At(kGoogle), list),
              "https://www.google.com/search?q=%C3%A9t%C3%A9");
    // Broken UTF-8 is never dropped silently.
    EXPECT_EQ(BuildSearchAddress("a\xFF", latin, list), "https://lexique.example.fr/cherche?mot=a%26%2365533%3B");
}

TEST(Dispatch, CharsetLabels)
{
    const std::pair<const char*, const char*> labels[] = {
        {"cp 1251", "windows-1251"},
        {"CP1251", "windows-1251"},
        {"windows-1251", "windows-1251"},
        {"utf8", ""},
        {"UTF-8", ""},
        {"", ""},
        {"latin1", "ISO-8859-1"},
        {"ISO-8859-15", "ISO-8859-15"},
        {"Shift_JIS", "Shift_JIS"},
        {"EUC-JP", "EUC-JP"},
        {"koi8-r", "KOI8-R"},
    };
    for (const auto& [label, name] : labels) {
        std::string got = "?";
        EXPECT_TRUE(CanonicalCharset(label, got)) << label;
        EXPECT_EQ(got, name) << label;
        // Every name kept converts for real.
        EXPECT_EQ(ConvertQuery("abc", got), "abc") << label;
    }
    std::string got;
    EXPECT_FALSE(CanonicalCharset("klingon-1", got));
    EXPECT_EQ(ConvertQuery("\xC3\xA9", "klingon-1"), "\xC3\xA9");  // unknown: UTF-8 as before
    EXPECT_EQ(ConvertQuery("\xE3\x81\x82", "Shift_JIS"), "\x82\xA0");
    EXPECT_EQ(ConvertQuery("\xC3\xBC", "ISO-8859-15"), "\xFC");
}

TEST(Dispatch, EncodeQuery)
{
    EXPECT_EQ(EncodeQuery(""), "");
    EXPECT_EQ(EncodeQuery("  "), "++");
    EXPECT_EQ(EncodeQuery(std::string("a\0b", 3)), "a%00b");
    EXPECT_EQ(EncodeQuery("\x7F\x80\xFF"), "%7F%80%FF");
    EXPECT_EQ(EncodeQuery("!*'();:@&=+$,/?#[]"), "%21%2A%27%28%29%3B%3A%40%26%3D%2B%24%2C%2F%3F%23%5B%5D");
}
