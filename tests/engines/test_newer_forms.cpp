// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engines/Catalog.h"
#include "engines/Dispatch.h"
#include "engines/NewerForms.h"

#include "common/BuiltInEngines.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>

namespace {

bool IsBuiltInTemplate(std::string_view url)
{
    const auto rows = BuiltInCatalog();
    return std::any_of(rows.begin(), rows.end(), [url](const SCatalogRow& row) { return row.url == url; });
}

std::int32_t IndexOfName(const CEngineList& list, const std::string& name)
{
    for (std::int32_t i = 0; i < list.Count(); ++i) {
        if (list.At(i).name == name) return i;
    }
    return -1;
}

}  // namespace

TEST(NewerForms, TableMatchesTheBuiltInCatalogue)
{
    // Parameters that track the user, earn a third party money or pin a session.
    const char* const kForbidden[] = {"tag=",   "_trksid", "from=R40", "FORM=",       "qsrc",   "asko=", "askl=",
                                      "srchst", "tg=",     "target=",  "jsessionid",  "sa=N",   "tab=",  "ic=24",
                                      "CLT=",   "&o=0",    "&l=dir",   "_dyncharset", "x=0&y=0"};
    std::set<std::string_view> keys;
    int counts[3] = {};
    for (const SNewerForm& form : NewerForms()) {
        SCOPED_TRACE(std::string(form.builtIn));
        EXPECT_TRUE(IsBuiltInTemplate(form.builtIn));
        EXPECT_TRUE(keys.insert(form.builtIn).second) << "listed twice";
        EXPECT_GE(form.year, 1995);
        EXPECT_LE(form.year, 2026);
        ++counts[static_cast<int>(form.fate)];
        if (form.fate == EEngineFate::Closed) {
            EXPECT_TRUE(form.today.empty());
            continue;
        }
        if (form.today.empty()) continue;  // moved, today's address unknown
        EXPECT_TRUE(form.today.starts_with("https://")) << form.today;
        EXPECT_NE(form.today.find(kKeyword), std::string_view::npos) << form.today;
        EXPECT_NE(form.today, form.builtIn);
        // An updated entry is never offered again.
        EXPECT_FALSE(IsBuiltInTemplate(form.today)) << form.today;
        for (const char* bad : kForbidden) EXPECT_EQ(form.today.find(bad), std::string_view::npos) << bad;
    }
    EXPECT_EQ(counts[static_cast<int>(EEngineFate::Alive)], 19);
    EXPECT_EQ(counts[static_cast<int>(EEngineFate::Moved)], 29);
    EXPECT_EQ(counts[static_cast<int>(EEngineFate::Closed)], 13);
    EXPECT_EQ(FindNewerForm("http://www.google.com/search?q=[keyword]")->today,
              "https://www.google.com/search?q=[keyword]");
    EXPECT_EQ(FindNewerForm("http://www.google.com/search?q=[keyword] "), nullptr);
    EXPECT_EQ(FindNewerForm("http://local.yahoo.com/results?stx=[keyword]"), nullptr);  // unknown fate
}

TEST(NewerForms, UpdateOffersUntouchedBuiltInsOnlyAndOnce)
{
    CEngineList list = BuiltInEngines();
    // Edited template, renamed engine with the built-in template, own engine.
    const std::int32_t yahoo = IndexOfName(list, "Yahoo!");
    list.At(yahoo).url = "http://search.yahoo.com/search?p=[keyword]&fr=me";
    const std::int32_t ebay = IndexOfName(list, "eBay");
    list.At(ebay).name = "My eBay";
    list.At(ebay).abbreviation = "eb";
    SSearch own;
    own.name = "Intranet";
    own.url = "http://wiki.intranet/?q=[keyword]";
    own.abbreviation = "in";
    list.Append(own);

    const std::vector<SBuiltInUpdate> offers = FindBuiltInUpdates(list);
    std::set<std::string> offered;
    for (const SBuiltInUpdate& u : offers) offered.insert(list.At(u.entry).name);
    // 19 alive + 28 moved with a known address - Yahoo!'s edited row, plus
    // the one closed engine ticked out of the box (TuCows).
    EXPECT_EQ(offers.size(), 19u + 28u - 1u + 1u);
    EXPECT_TRUE(offered.contains("TuCows"));
    EXPECT_TRUE(offered.contains("My eBay"));
    for (const char* never : {"Yahoo!", "Intranet", "Google Blogs", "Yahoo Local", "Times online"}) {
        EXPECT_FALSE(offered.contains(never)) << never;
    }

    const CEngineList before = list;
    ApplyBuiltInUpdates(list, offers, false);
    ASSERT_EQ(list.Count(), before.Count());
    for (std::int32_t i = 0; i < list.Count(); ++i) {
        const SSearch& b = before.At(i);
        const SSearch& a = list.At(i);
        EXPECT_EQ(a.name, b.name);
        EXPECT_EQ(a.abbreviation, b.abbreviation);
        EXPECT_EQ(a.group, b.group);
        EXPECT_EQ(a.extra, b.extra);
        EXPECT_EQ(a.selected, b.selected && a.name != "TuCows") << a.name;
    }
    EXPECT_EQ(list.At(IndexOfName(list, "Google Image")).url, "https://www.google.com/search?q=[keyword]&tbm=isch");
    EXPECT_EQ(list.At(IndexOfName(list, "Amazon")).url, "https://www.amazon.com/s?k=[keyword]");
    EXPECT_EQ(list.At(ebay).url, "https://www.ebay.com/sch/i.html?_nkw=[keyword]");
    EXPECT_EQ(list.At(yahoo), before.At(yahoo));
    const SSearch& tucows = list.At(IndexOfName(list, "TuCows"));
    EXPECT_FALSE(tucows.selected);
    EXPECT_EQ(tucows.url, before.At(IndexOfName(before, "TuCows")).url);

    // Running it again offers nothing.
    EXPECT_TRUE(FindBuiltInUpdates(list).empty());
}

TEST(NewerForms, UpdateLeavesOutRowsAndDeletesClosedOnesOnRequest)
{
    CEngineList list = BuiltInEngines();
    for (SSearch& e : list) e.selected = true;
    std::vector<SBuiltInUpdate> offers = FindBuiltInUpdates(list);
    EXPECT_EQ(offers.size(), 61u - 1u);  // every row but Times online's
    // Leave Google (row 0) out.
    ASSERT_EQ(offers.front().entry, 0);
    offers.erase(offers.begin());
    ApplyBuiltInUpdates(list, offers, true);
    EXPECT_EQ(list.Count(), 79 - 13);
    EXPECT_EQ(list.At(0).url, "http://www.google.com/search?q=[keyword]");
    EXPECT_EQ(IndexOfName(list, "TuCows"), -1);
    EXPECT_EQ(IndexOfName(list, "DMOZ"), -1);
    EXPECT_NE(IndexOfName(list, "Yahoo Local"), -1);
    // Google is still offered; nothing else is.
    const std::vector<SBuiltInUpdate> again = FindBuiltInUpdates(list);
    ASSERT_EQ(again.size(), 1u);
    EXPECT_EQ(again.front().entry, 0);

    // An offer made on an entry that changed since is not applied.
    list.At(0).url = "http://www.google.com/search?q=[keyword]&hl=de";
    ApplyBuiltInUpdates(list, again, false);
    EXPECT_EQ(list.At(0).url, "http://www.google.com/search?q=[keyword]&hl=de");
}
