// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The importers on files the real programs wrote (tests/import/fixtures,
// made by make-fixtures.sh): Firefox ESR, Chromium and Debian's kio.
#include "ImportFixtures.h"

#include "import/FirefoxConfig.h"
#include "import/JarFile.h"
#include "import/Sources.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

const fs::path kFixtures = LUMORA_IMPORT_FIXTURES;

SImportPlaces PlacesIn(const TempHome& home)
{
    SImportPlaces p;
    p.home = home.Path().string();
    p.configHome = (home.Path() / ".config").string();
    p.dataHome = (home.Path() / ".local/share").string();
    p.systemDataDirs = {(home.Path() / "usr/share").string()};
    p.etc = (home.Path() / "etc").string();
    return p;
}

void CopyTree(const fs::path& from, const fs::path& to)
{
    fs::create_directories(to);
    fs::copy(from, to, fs::copy_options::recursive | fs::copy_options::overwrite_existing);
}

const SImportedEngine* Find(const SImportResult& r, const std::string& name)
{
    const auto it =
        std::find_if(r.engines.begin(), r.engines.end(), [&](const SImportedEngine& e) { return e.name == name; });
    return it == r.engines.end() ? nullptr : &*it;
}

std::vector<std::string> Names(const SImportResult& r)
{
    std::vector<std::string> names;
    for (const SImportedEngine& e : r.engines) names.push_back(e.name);
    return names;
}

// A home with Firefox's first run as it wrote it, and Firefox installed
// under `install` with its built-in engines and a policy.
struct SFirefoxHome {
    TempHome home;
    SImportPlaces places = PlacesIn(home);
    fs::path root = home.Path() / ".config/mozilla/firefox";

    explicit SFirefoxHome(bool installed)
    {
        CopyTree(kFixtures / "firefox", root);
        const fs::path install = home.Path() / "usr/lib/firefox-esr";
        if (installed) {
            fs::create_directories(install / "browser");
            fs::copy_file(kFixtures / "firefox/omni.ja", install / "browser/omni.ja");
            fs::create_directories(install / "distribution");
            fs::copy_file(kFixtures / "firefox/policies.json", install / "distribution/policies.json");
        }
        places.firefoxInstalls = {(home.Path() / "opt/none").string(), install.string()};
    }
};

TEST(ImportRealFiles, FirefoxFirstRunListsOnlyTheProfileInUse)
{
    SFirefoxHome ff(true);
    // The empty profile that profiles.ini marks Default=1 is left out quietly.
    std::vector<SImportSource> sources = FindImportSources(ff.places);
    ASSERT_EQ(sources.size(), 1u);
    EXPECT_EQ(sources[0].label, "Firefox");
    EXPECT_EQ(fs::path(sources[0].path).filename().string().find(".default-esr") != std::string::npos, true);

    // Once that one holds data too, the installation's profile still comes first.
    for (const auto& entry : fs::directory_iterator(ff.root)) {
        if (entry.path().extension() == ".default")
            fs::copy_file(fs::path(sources[0].path) / "places.sqlite", entry.path() / "places.sqlite");
    }
    sources = FindImportSources(ff.places);
    ASSERT_EQ(sources.size(), 2u);
    EXPECT_EQ(sources[0].label, "Firefox (default-esr)");
    EXPECT_EQ(sources[1].label, "Firefox (default)");
}

TEST(ImportRealFiles, FirefoxKeywordsUserBuiltInAndPolicyEngines)
{
    SFirefoxHome ff(true);
    const std::vector<SImportSource> sources = FindImportSources(ff.places);
    ASSERT_EQ(sources.size(), 1u);
    const SImportResult r = ReadImportSource(sources[0]);
    ASSERT_TRUE(r.Readable()) << r.unreadable;

    // Keyword bookmarks, one on a windows-1251 page; the POST one is skipped.
    EXPECT_EQ(*Find(r, "Debian packages"),
              (SImportedEngine{"Debian packages", "https://packages.debian.org/bookworm/[keyword]", "deb", true}));
    EXPECT_EQ(*Find(r, "Multitran"),
              (SImportedEngine{"Multitran", "https://www.multitran.com/m.exe?l1=1&l2=2&s=[keyword]", "mt", true,
                               EEngineOrigin::Listed, "windows-1251"}));
    // Built in: unticked, the address from the installation's list, the
    // user's keyword kept; Perplexity is not in the trimmed list.
    EXPECT_EQ(*Find(r, "Wikipedia (en)"),
              (SImportedEngine{"Wikipedia (en)",
                               "https://en.wikipedia.org/wiki/Special:Search?sourceid=Mozilla-search&search=[keyword]",
                               "w", false}));
    EXPECT_EQ(Find(r, "Google")->url, "https://www.google.com/search?client=firefox-b-d&q=[keyword]");
    EXPECT_FALSE(Find(r, "Google")->userMade);
    // The policy's engine, with its keyword and charset from policies.json.
    EXPECT_EQ(*Find(r, "Intranet"), (SImportedEngine{"Intranet", "https://intranet.example/cgi/find?q=[keyword]", "in",
                                                     false, EEngineOrigin::Policy, "windows-1251"}));
    // Added in the settings, from a page's form (ISO-8859-1) and from a
    // site's OpenSearch description.
    EXPECT_EQ(*Find(r, "Lumora Docs"),
              (SImportedEngine{"Lumora Docs", "https://docs.example.org/find?q=[keyword]", "ld", true}));
    EXPECT_EQ(*Find(r, "Lexique"), (SImportedEngine{"Lexique", "https://lexique.example.fr/cherche?mot=[keyword]", "lx",
                                                    true, EEngineOrigin::Listed, "ISO-8859-1"}));
    EXPECT_EQ(Find(r, "Latin Lexicon")->charset, "ISO-8859-1");
    EXPECT_TRUE(Find(r, "Latin Lexicon")->userMade);
    EXPECT_EQ(DescribeSkipped(r), "1 engine skipped: built in, not in Firefox's own list; 1 engine skipped: sends the "
                                  "query by POST");
}

TEST(ImportRealFiles, FirefoxWithoutItsInstallationSaysWhy)
{
    SFirefoxHome ff(false);
    const std::vector<SImportSource> sources = FindImportSources(ff.places);
    ASSERT_EQ(sources.size(), 1u);
    const SImportResult r = ReadImportSource(sources[0]);
    EXPECT_EQ(Find(r, "Wikipedia (en)"), nullptr);
    EXPECT_EQ(r.skipped.at(kSkipBuiltInNoConfig), 5);
    EXPECT_EQ(r.skipped.at(kSkipPolicyUnknown), 1);
    EXPECT_NE(Find(r, "Lexique"), nullptr);

    // /etc/firefox/policies is read as well.
    WriteBytes(ff.home.Path() / "etc/firefox/policies/policies.json", FileBytesOf(kFixtures / "firefox/policies.json"));
    EXPECT_EQ(Find(ReadImportSource(sources[0]), "Intranet")->origin, EEngineOrigin::Policy);
}

TEST(ImportRealFiles, FirefoxSearchConfigFromItsJar)
{
    std::vector<std::uint8_t> config;
    std::string error;
    ASSERT_TRUE(ReadJarEntry(FileBytesOf(kFixtures / "firefox/omni.ja"), "defaults/settings/main/search-config-v2.json",
                             config, error))
        << error;
    std::map<std::string, SFirefoxEngineDef> engines;
    ASSERT_TRUE(ParseFirefoxSearchConfig(config, "de", "DE", engines));
    EXPECT_EQ(engines.at("leo_ende_de").url, "https://dict.leo.org/englisch-deutsch/{searchTerms}");
    EXPECT_EQ(engines.at("priberam").charset, "ISO-8859-15");
    EXPECT_EQ(engines.at("ddg").url, "https://duckduckgo.com/?t=ffab&q={searchTerms}");
    EXPECT_FALSE(ReadJarEntry(FileBytesOf(kFixtures / "firefox/omni.ja"), "nothing.json", config, error));
    EXPECT_EQ(error, "missing");

    // The real installation's, where this machine has one.
    const std::vector<std::uint8_t> omni = FileBytesOf("/usr/lib/firefox-esr/browser/omni.ja");
    if (omni.empty()) GTEST_SKIP() << "no firefox-esr installed";
    ASSERT_TRUE(ReadJarEntry(omni, "defaults/settings/main/search-config-v2.json", config, error)) << error;
    ASSERT_TRUE(ParseFirefoxSearchConfig(config, "en-US", "US", engines));
    EXPECT_GT(engines.size(), 100u);
}

TEST(ImportRealFiles, ChromiumPolicySiteAndUserRows)
{
    TempHome home;
    CopyTree(kFixtures / "chromium", home.Path() / ".config/chromium");
    const std::vector<SImportSource> sources = FindImportSources(PlacesIn(home));
    ASSERT_EQ(sources.size(), 1u);
    const SImportResult r = ReadImportSource(sources[0]);
    ASSERT_TRUE(r.Readable()) << r.unreadable;

    EXPECT_EQ(*Find(r, "Debian Packages"),
              (SImportedEngine{"Debian Packages", "https://packages.debian.org/bookworm/[keyword]", "deb", true}));
    EXPECT_EQ(*Find(r, "Latin Lexicon"), (SImportedEngine{"Latin Lexicon", "http://127.0.0.1:18741/find?q=[keyword]",
                                                          "127.0.0.1", false, EEngineOrigin::Site, "ISO-8859-1"}));
    EXPECT_EQ(*Find(r, "Tickets"), (SImportedEngine{"Tickets", "https://tickets.intranet.example/?q=[keyword]", "tk",
                                                    false, EEngineOrigin::Policy}));
    // The featured policy engine once, under its plain keyword.
    const auto wiki = std::count_if(r.engines.begin(), r.engines.end(),
                                    [](const SImportedEngine& e) { return e.name == "Intranet Wiki"; });
    EXPECT_EQ(wiki, 1);
    EXPECT_EQ(Find(r, "Intranet Wiki")->keyword, "iw");
    // Exactly the user's own is ticked.
    for (const SImportedEngine& e : r.engines) EXPECT_EQ(e.userMade, e.name == "Debian Packages") << e.name;
    EXPECT_EQ(r.skipped.at(kSkipUnsupportedAddress), 4);  // chrome:// starter pack entries
}

TEST(ImportRealFiles, KdeFrameworks5WebShortcuts)
{
    TempHome home;
    CopyTree(kFixtures / "kde", home.Path() / "usr/share/kservices5/searchproviders");
    fs::remove(home.Path() / "usr/share/kservices5/searchproviders/VERSION");
    // The user's own files: one overrides the system's, one hides another.
    WriteText(home.Path() / ".local/share/kservices5/searchproviders/duckduckgo.desktop",
              "[Desktop Entry]\nName=My DDG\nKeys=dd\nQuery=https://duckduckgo.com/html/?q=\\\\{@}\n");
    WriteText(home.Path() / ".local/share/kservices5/searchproviders/wikipedia.desktop",
              "[Desktop Entry]\nHidden=true\n");

    const std::vector<SImportSource> sources = FindImportSources(PlacesIn(home));
    ASSERT_EQ(sources.size(), 1u);
    EXPECT_EQ(sources[0].label, "KDE");
    const SImportResult r = ReadImportSource(sources[0]);
    EXPECT_EQ(Names(r),
              (std::vector<std::string>{"My DDG", "Debian Package Search",
                                        "Great Dictionary of the Catalan Language (GRan Enciclopèdia Catalana)",
                                        "Multitran - Translate Between German and Russian"}));
    EXPECT_EQ(*Find(r, "Debian Package Search"),
              (SImportedEngine{"Debian Package Search", "https://packages.debian.org/[keyword]", "debian", false}));
    EXPECT_EQ(Find(r, "Multitran - Translate Between German and Russian")->charset, "windows-1251");
    EXPECT_EQ(Find(r, "Great Dictionary of the Catalan Language (GRan Enciclopèdia Catalana)")->charset, "ISO-8859-15");
    EXPECT_TRUE(Find(r, "My DDG")->userMade);
    EXPECT_EQ(DescribeSkipped(r), "1 engine skipped: hidden; 1 engine skipped: unsupported address");  // \{1}
}

}  // namespace
