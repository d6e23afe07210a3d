// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Finding the sources in a home and reading each as a whole.
#include "ImportFixtures.h"

#include "import/Sources.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

SImportPlaces PlacesIn(const TempHome& home)
{
    SImportPlaces p;
    p.home = home.Path().string();
    p.configHome = (home.Path() / ".config").string();
    p.dataHome = (home.Path() / ".local/share").string();
    p.systemDataDirs = {(home.Path() / "usr/share").string()};
    return p;
}

std::vector<std::string> Labels(const std::vector<SImportSource>& sources)
{
    std::vector<std::string> labels;
    for (const SImportSource& s : sources) labels.push_back(s.label);
    return labels;
}

void MakeFirefoxProfile(const fs::path& folder, const std::string& keyword)
{
    TestDb db(folder / "places.sqlite");
    CreatePlacesSchema(db);
    AddKeywordBookmark(db, 1, keyword, "https://" + keyword + ".org/?q=%s", keyword + " search");
}

TEST(ImportSources, EveryProfileOfEveryBrowserAndKde)
{
    TempHome home;
    const fs::path ff = home.Path() / ".mozilla/firefox";
    WriteText(ff / "profiles.ini",
              "[General]\nStartWithLastProfile=1\n\n[Profile1]\nName=work\nIsRelative=1\nPath=abc.work\n\n"
              "[Profile0]\nName=default-release\nIsRelative=1\nPath=xyz.default-release\nDefault=1\n\n"
              "[Profile2]\nName=gone\nIsRelative=1\nPath=not.there\n\n[Install4F96D1932A9F858E]\nDefault=xyz\n");
    MakeFirefoxProfile(ff / "abc.work", "wk");
    MakeFirefoxProfile(ff / "xyz.default-release", "dr");
    WriteBytes(ff / "xyz.default-release/search.json.mozlz4",
               MozLz4(R"({"engines":[{"_name":"Added","_loadPath":"[user]","_metaData":{"alias":"ad"},)"
                      R"("_urls":[{"template":"https://added.org/?q={searchTerms}"}]}]})"));

    const fs::path chrome = home.Path() / ".config/google-chrome";
    for (const char* profile : {"Profile 10", "Default", "Profile 2", "System Profile"}) {
        TestDb db(chrome / profile / "Web Data");
        CreateWebDataSchema(db);
        AddChromiumEngine(db, profile, "p", "https://p.org/?q={searchTerms}");
    }
    {
        TestDb db(home.Path() / ".config/BraveSoftware/Brave-Browser/Default/Web Data");
        CreateWebDataSchema(db);
        AddChromiumEngine(db, "Brave", "br", "https://search.brave.com/search?q={searchTerms}", 550);
    }
    fs::create_directories(home.Path() / ".config/vivaldi/Default");  // no Web Data yet
    WriteText(home.Path() / "usr/share/kf6/searchproviders/ddg.desktop",
              "[Desktop Entry]\nName=DDG\nKeys=dd\nQuery=https://duckduckgo.com/?q=\\\\{@}\n");
    WriteText(home.Path() / ".local/share/kf5/searchproviders/ddg.desktop",
              "[Desktop Entry]\nName=My DDG\nKeys=d\nQuery=https://duckduckgo.com/html/?q=\\\\{@}\n");

    const std::vector<SImportSource> sources = FindImportSources(PlacesIn(home));
    EXPECT_EQ(Labels(sources), (std::vector<std::string>{"Firefox (work)", "Firefox (default-release)",
                                                         "Google Chrome (Default)", "Google Chrome (Profile 2)",
                                                         "Google Chrome (Profile 10)", "Brave", "Vivaldi", "KDE"}));
    const std::vector<std::string> groups = {"Firefox",       "Firefox", "Google Chrome", "Google Chrome",
                                             "Google Chrome", "Brave",   "Vivaldi",       "KDE"};
    for (std::size_t i = 0; i < sources.size() && i < groups.size(); ++i) EXPECT_EQ(sources[i].group, groups[i]);

    const SImportResult work = ReadImportSource(sources[0]);
    ASSERT_EQ(work.engines.size(), 1u);
    EXPECT_EQ(work.engines[0].keyword, "wk");
    const SImportResult release = ReadImportSource(sources[1]);
    ASSERT_EQ(release.engines.size(), 2u);
    EXPECT_EQ(release.engines[1], (SImportedEngine{"Added", "https://added.org/?q=[keyword]", "ad", true}));
    EXPECT_EQ(ReadImportSource(sources[3]).engines.at(0).name, "Profile 2");
    EXPECT_FALSE(ReadImportSource(sources[5]).engines.at(0).userMade);
    const SImportResult vivaldi = ReadImportSource(sources[6]);
    EXPECT_EQ(vivaldi.unreadable, "Web Data: missing");
    const SImportResult kde = ReadImportSource(sources[7]);
    ASSERT_EQ(kde.engines.size(), 1u);
    EXPECT_EQ(kde.engines[0], (SImportedEngine{"My DDG", "https://duckduckgo.com/html/?q=[keyword]", "d", true}));
}

TEST(ImportSources, ADamagedFileMakesItsSourceUnreadableAndNothingElse)
{
    TempHome home;
    const fs::path ff = home.Path() / ".mozilla/firefox";
    WriteText(ff / "profiles.ini",
              "[Profile0]\nName=a\nPath=a\n[Profile1]\nName=b\nPath=b\n[Profile2]\nName=c\nPath=c\n");
    MakeFirefoxProfile(ff / "a", "aa");
    MakeFirefoxProfile(ff / "b", "bb");
    WriteText(ff / "b/search.json.mozlz4", "mozLz40");
    fs::create_directories(ff / "c");
    WriteText(ff / "c/places.sqlite", "garbage garbage garbage garbage garbage garbage garbage garbage garbage");

    const std::vector<SImportSource> sources = FindImportSources(PlacesIn(home));
    ASSERT_EQ(sources.size(), 3u);
    const SImportResult a = ReadImportSource(sources[0]);
    EXPECT_TRUE(a.Readable());
    EXPECT_EQ(a.engines.size(), 1u);
    EXPECT_EQ(ReadImportSource(sources[1]).unreadable, "search.json.mozlz4: not a mozLz4 file");
    const SImportResult c = ReadImportSource(sources[2]);
    EXPECT_EQ(c.unreadable.rfind("places.sqlite: ", 0), 0u) << c.unreadable;
    EXPECT_EQ(c.unreadable.find('\n'), std::string::npos);

    const SImportResult missing = ReadImportSource(OpenSearchSource((home.Path() / "none.xml").string()));
    EXPECT_EQ(missing.unreadable, "cannot be opened");
    EXPECT_EQ(OpenSearchSource("/x/y/engine.xml").group, "OpenSearch");
}

TEST(ImportSources, AnEmptyHomeHasNoSources)
{
    TempHome home;
    EXPECT_TRUE(FindImportSources(PlacesIn(home)).empty());
    SImportPlaces none;
    EXPECT_TRUE(FindImportSources(none).empty());
}

}  // namespace
