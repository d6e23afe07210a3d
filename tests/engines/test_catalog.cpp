// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engines/Catalog.h"
#include "engines/Dispatch.h"
#include "store/TextUtil.h"

#include "common/BuiltInEngines.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace {

// The part of a template after "scheme://host".
std::string PathAndQuery(const std::string& url)
{
    const auto hostStart = url.find("://") + 3;
    return url.substr(url.find('/', hostStart));
}

std::size_t Occurrences(const std::string& text, std::string_view what)
{
    std::size_t n = 0;
    for (auto pos = text.find(what); pos != std::string::npos; pos = text.find(what, pos + 1)) ++n;
    return n;
}

}  // namespace

TEST(Catalog, DefaultListHas79EnginesInTableOrder)
{
    const CEngineList list = BuiltInEngines();
    ASSERT_EQ(list.Count(), 79);
    const auto rows = BuiltInCatalog();
    ASSERT_EQ(rows.size(), 79u);
    for (int i = 0; i < 79; ++i) {
        const SSearch& s = list.At(i);
        EXPECT_EQ(s.name, rows[i].name) << i;
        EXPECT_EQ(s.url, rows[i].url) << i;
        EXPECT_EQ(s.abbreviation, rows[i].abbreviation) << i;
        EXPECT_EQ(s.group, rows[i].group) << i;
        EXPECT_EQ(s.selected, rows[i].selected == "true") << i;
        EXPECT_EQ(s.extra, 0) << i;
    }
    EXPECT_EQ(list.At(44).name, "Wikipedia");
    EXPECT_EQ(list.At(78).name, "Shopping UK");
}

TEST(Catalog, BuildReplacesWholeList)
{
    CEngineList list;
    SSearch junk;
    junk.name = "junk";
    for (int i = 0; i < 100; ++i) list.Append(junk);
    BuildDefaultCatalog(list);
    EXPECT_EQ(list, BuiltInEngines());
}

TEST(Catalog, ThirteenSelectedRowsGoogleFirst)
{
    const CEngineList list = BuiltInEngines();
    std::vector<int> selected;
    for (int i = 0; i < list.Count(); ++i)
        if (list.At(i).selected) selected.push_back(i);
    EXPECT_EQ(selected, (std::vector<int>{0, 1, 4, 5, 6, 15, 25, 37, 39, 42, 43, 44, 45}));
    for (const auto& row : BuiltInCatalog()) EXPECT_TRUE(row.selected == "true" || row.selected == "false") << row.name;

    const SSearch& first = list.At(selected.front());
    EXPECT_EQ(first.name, "Google");
    EXPECT_EQ(first.abbreviation, "g");
    EXPECT_EQ(first.group, "Search");
}

TEST(Catalog, OnlyDuplicateAbbreviationIsDWithCnetDownloadFirst)
{
    const CEngineList list = BuiltInEngines();
    std::map<std::string, std::vector<int>> byAbbreviation;
    for (int i = 0; i < list.Count(); ++i) byAbbreviation[list.At(i).abbreviation].push_back(i);
    for (const auto& [abbreviation, rows] : byAbbreviation) {
        EXPECT_FALSE(abbreviation.empty());
        EXPECT_EQ(abbreviation, ToLowerAscii(abbreviation));
        if (abbreviation == "d")
            EXPECT_EQ(rows, (std::vector<int>{42, 73}));
        else
            EXPECT_EQ(rows.size(), 1u) << abbreviation;
    }
    EXPECT_EQ(list.At(42).name, "CNET Download");
    EXPECT_EQ(list.At(73).name, "DMOZ");
}

TEST(Catalog, EveryTemplateIsAnAbsoluteAddressWithOnePlaceholder)
{
    const std::set<int> inPath{44, 49, 51, 57, 61, 64, 67, 68, 74, 76};
    const std::regex hostPattern(R"(^(https?)://([a-z0-9-]+\.)+[a-z]{2,}/)");
    const CEngineList list = BuiltInEngines();
    for (int i = 0; i < list.Count(); ++i) {
        const std::string& url = list.At(i).url;
        std::smatch m;
        ASSERT_TRUE(std::regex_search(url, m, hostPattern)) << i << " " << url;
        EXPECT_EQ(m[1], (i == 37 || i == 38) ? "https" : "http") << i;
        EXPECT_EQ(Occurrences(url, kKeyword), 1u) << i;

        const auto keyword = url.find(kKeyword);
        const auto query = url.find('?');
        const bool keywordInPath = query == std::string::npos || keyword < query;
        EXPECT_EQ(keywordInPath, inPath.count(i) == 1) << i << " " << url;
    }
}

TEST(Catalog, TemplatesKeptByteForByte)
{
    const CEngineList list = BuiltInEngines();
    EXPECT_EQ(list.At(0).url, "http://www.google.com/search?q=[keyword]");
    EXPECT_EQ(list.At(44).url, "http://en.wikipedia.org/wiki/[keyword]");
    // Path and query of the templates with unusual characters.
    const std::pair<int, const char*> tails[] = {
        {14, "/search?hl=en&cat=gwd%2FTop&q=[keyword]&btnG=Search"},
        {72, "/search?ie=UTF-8&oe=UTF-8&client=my_frontend&proxystylesheet=my_frontend"
             "&output=xml_no_dtd&site=story&getfields=*&filter=0&sort=date%3AD%3AS%3Ad1"
             "&q=[keyword]"},
        {36, "/maps?a1=&a2=[keyword]&btnGetMap=Get+Map&qsrc=106&qsrc=93#1"},
        {51, "/[keyword]?cat=entertainment"},
        {64, "/tag/[keyword]/"},
        {65, "/Product/ProductList.aspx?Submit=ENE&DEPA=0&Description=[keyword]/"},
        {69, "/site/olspage.jsp;jsessionid=KXJTRWMB7PLLQZA5H8UESOD?_dyncharset=ISO-8859-1"
             "&id=pcat17071&type=page&st=[keyword]&sc=Global&cp=1&nrp=15&sp=&qp=&list=n"
             "&iht=y&usc=All+Categories&ks=960"},
        {76, "/web/*/[keyword]"},
    };
    for (const auto& [index, tail] : tails) EXPECT_EQ(PathAndQuery(list.At(index).url), tail) << index;
}

TEST(Catalog, AmazonRowsShareOneAffiliateTag)
{
    const CEngineList list = BuiltInEngines();
    const std::regex us(R"(^https://[^/]+/s/\?tag=(\d{4}-\d{2})&field-keywords=\[keyword\]$)");
    const std::regex uk(R"(^https://[^/]+/s/\?tag=(\d{4}-\d{2})&field-keywords=\[keyword\]&x=0&y=0$)");
    std::smatch a, b;
    ASSERT_TRUE(std::regex_match(list.At(37).url, a, us)) << list.At(37).url;
    ASSERT_TRUE(std::regex_match(list.At(38).url, b, uk)) << list.At(38).url;
    EXPECT_EQ(a[1], b[1]);
}

TEST(Catalog, WhoisRowIsNamedAfterItsDomain)
{
    const SSearch whois = BuiltInEngines().At(61);
    EXPECT_EQ(whois.abbreviation, "wi");
    EXPECT_EQ(whois.group, "Whois");
    EXPECT_NE(whois.name.find('.'), std::string::npos);
    EXPECT_EQ(whois.url, "http://" + whois.name + "/[keyword]");
}

TEST(Catalog, GroupListAndGroupsInUse)
{
    const std::vector<std::string_view> groups(GroupList().begin(), GroupList().end());
    EXPECT_EQ(groups, (std::vector<std::string_view>{"Search", "Shopping", "News", "Image", "Groups", "Code",
                                                     "Software", "Music", "Video", "Finance", "Blogs", "Books", "Map",
                                                     "Translate", "Answers", "Source", "Photo", "Other"}));

    std::set<std::string> used, outside;
    for (const SSearch& s : BuiltInEngines()) {
        used.insert(s.group);
        if (std::find(groups.begin(), groups.end(), s.group) == groups.end()) outside.insert(s.group);
    }
    EXPECT_EQ(used.size(), 31u);
    EXPECT_EQ(outside,
              (std::set<std::string>{"Scholar", "Patents", "Trends", "Directory", "Local", "Jobs", "Site Info", "Games",
                                     "Whois", "Web Search", "Encyclopedia", "Dictionary", "Thesaurus", "Archive"}));
    EXPECT_EQ(BuiltInEngines().At(56).group, "Other");
}
