// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "import/Templates.h"

#include <gtest/gtest.h>

namespace {

struct SMapCase {
    const char* what;
    std::string (*map)(std::string_view, std::string&);
    const char* from;
    const char* to;  // nullptr: refused
};

std::string OpenSearch(std::string_view url, std::string& reason)
{
    return MapOpenSearchTemplate(url, reason);
}

const SMapCase kCases[] = {
    {"Firefox %s", &MapPercentTemplate, "https://a.org/?q=%s", "https://a.org/?q=[keyword]"},
    {"Firefox %S", &MapPercentTemplate, "https://a.org/w/%S/x", "https://a.org/w/[keyword]/x"},
    {"Firefox both, twice", &MapPercentTemplate, "https://a.org/%s?b=%S", "https://a.org/[keyword]?b=[keyword]"},
    {"Firefox without placeholder", &MapPercentTemplate, "https://a.org/home", nullptr},
    {"OpenSearch searchTerms", &OpenSearch, "https://a.org/?q={searchTerms}", "https://a.org/?q=[keyword]"},
    {"OpenSearch optional searchTerms", &OpenSearch, "https://a.org/?q={searchTerms?}", "https://a.org/?q=[keyword]"},
    {"OpenSearch encodings and language", &OpenSearch,
     "https://a.org/?q={searchTerms}&ie={inputEncoding}&oe={outputEncoding}&hl={language}",
     "https://a.org/?q=[keyword]&ie=UTF-8&oe=UTF-8&hl=*"},
    {"OpenSearch defaults of index and page", &OpenSearch,
     "https://a.org/?q={searchTerms}&i={startIndex}&p={startPage}", "https://a.org/?q=[keyword]&i=1&p=1"},
    {"OpenSearch optional parameters go", &OpenSearch, "https://a.org/?q={searchTerms}&n={count?}&x={moz:locale?}",
     "https://a.org/?q=[keyword]&n=&x="},
    {"OpenSearch unknown required parameter", &OpenSearch, "https://a.org/?q={searchTerms}&n={count}", nullptr},
    {"OpenSearch unclosed brace", &OpenSearch, "https://a.org/?q={searchTerms", nullptr},
    {"Chromium base URL", &MapChromiumTemplate, "{google:baseURL}search?q={searchTerms}",
     "https://www.google.com/search?q=[keyword]"},
    {"Chromium parameters dropped with their pair", &MapChromiumTemplate,
     "{google:baseURL}search?q={searchTerms}&{google:RLZ}{google:originalQueryForSuggestion}"
     "{google:assistedQueryStats}sourceid=chrome&ie={inputEncoding}&client={google:searchClient}",
     "https://www.google.com/search?q=[keyword]&sourceid=chrome&ie=UTF-8"},
    {"Chromium first pair dropped", &MapChromiumTemplate, "https://b.org/s?c={google:searchClient}&q={searchTerms}",
     "https://b.org/s?q=[keyword]"},
    {"Chromium unknown parameter", &MapChromiumTemplate, "https://b.org/s?q={searchTerms}&x={yandex:foo}", nullptr},
    {"KDE \\{@}", &MapKdeTemplate, "https://k.org/?q=\\{@}", "https://k.org/?q=[keyword]"},
    {"KDE \\{0}", &MapKdeTemplate, "https://k.org/\\{0}", "https://k.org/[keyword]"},
    {"KDE word references refused", &MapKdeTemplate, "https://k.org/?a=\\{1}&b=\\{2}", nullptr},
};

TEST(ImportTemplates, EveryPlaceholderBecomesTheKeyword)
{
    for (const SMapCase& c : kCases) {
        std::string reason;
        const std::string got = c.map(c.from, reason);
        if (c.to) {
            EXPECT_EQ(got, c.to) << c.what;
            EXPECT_EQ(reason, "") << c.what;
        } else {
            EXPECT_EQ(got, "") << c.what;
            EXPECT_NE(reason, "") << c.what;
        }
    }
}

TEST(ImportTemplates, OpenSearchOffsetsComeFromTheDescription)
{
    std::string reason;
    EXPECT_EQ(MapOpenSearchTemplate("https://a.org/?q={searchTerms}&i={startIndex}&p={startPage}", reason, 0, 5),
              "https://a.org/?q=[keyword]&i=0&p=5");
}

TEST(ImportTemplates, OnlyPrintableWebAddressesWithAPlaceForTheQueryAreTaken)
{
    const struct {
        const char* url;
        const char* reason;  // nullptr: accepted
    } cases[] = {
        {"https://a.org/?q=[keyword]", nullptr},
        {"HTTP://A.ORG/[keyword]", nullptr},
        {"file:///home/me/run.desktop?[keyword]", kSkipUnsupportedAddress},
        {"javascript:alert('[keyword]')", kSkipUnsupportedAddress},
        {"chrome://history/?q=[keyword]", kSkipUnsupportedAddress},
        {"https://a.org/?q=[keyword] --help", kSkipUnsupportedAddress},
        {"https://a.org/?q=[keyword]\n", kSkipUnsupportedAddress},
        {"https:///?q=[keyword]", kSkipUnsupportedAddress},
        {"https://a.org/home", kSkipNoQuery},
    };
    for (const auto& c : cases) {
        std::string reason;
        EXPECT_EQ(AcceptTemplate(c.url, reason), c.reason == nullptr) << c.url;
        EXPECT_EQ(reason, c.reason ? c.reason : "") << c.url;
    }
    std::string reason;
    EXPECT_FALSE(AcceptTemplate("https://a.org/?q=[keyword]&x=" + std::string(9000, 'x'), reason));
}

TEST(ImportTemplates, NamesAndKeywordsAreCleaned)
{
    EXPECT_EQ(CleanText("  Wiki\tpedia\n ", 100), "Wiki pedia");
    // Cut on a character boundary: "é" is two bytes.
    EXPECT_EQ(CleanText("abé", 3), "ab");
    // A cut that ends in spaces drops them too, so cleaning again changes nothing.
    EXPECT_EQ(CleanText("ab  cd", 3), "ab");
    EXPECT_EQ(CleanKeyword(" wp "), "wp");
    EXPECT_EQ(CleanKeyword("two words"), "");
    EXPECT_EQ(CleanKeyword(std::string(65, 'k')), "");
    EXPECT_EQ(HostOf("https://user@www.a.org:8080/x?y"), "www.a.org:8080");

    SImportResult r;
    AddEngine(r, "", "https://www.a.org/?q=[keyword]", "", "", true);
    AddEngine(r, "", "https://www.b.org/?q=[keyword]", "", "bk", false);
    AddEngine(r, "Gone", "", kSkipNoQuery, "g", true);
    ASSERT_EQ(r.engines.size(), 2u);
    EXPECT_EQ(r.engines[0].name, "www.a.org");
    EXPECT_EQ(r.engines[1].name, "bk");
    EXPECT_EQ(DescribeSkipped(r), "1 engine skipped: no place for the query");
}

}  // namespace
