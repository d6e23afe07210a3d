// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The readers of each format on files made by the test, good and damaged.
#include "ImportFixtures.h"

#include "import/Chromium.h"
#include "import/Firefox.h"
#include "import/KdeProviders.h"
#include "import/OpenSearch.h"
#include "import/Sqlite.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

// The engines of a database file as the sources read it: through a private copy.
SImportResult ReadDb(const fs::path& file, SImportResult (*reader)(sqlite3*))
{
    CDatabaseCopy copy;
    std::string error;
    SImportResult r;
    if (!copy.Open(file.string(), error)) {
        r.unreadable = error;
        return r;
    }
    return reader(copy.Db());
}

std::vector<std::string> Listing(const fs::path& folder)
{
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(folder)) names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

TEST(ImportKde, ProvidersWithSeveralKeysUserOverridesAndHiddenOnes)
{
    TempHome home;
    const fs::path user = home.Path() / "user";
    const fs::path system = home.Path() / "system";
    WriteText(system / "duckduckgo.desktop",
              "[Desktop Entry]\nType=Service\nName=DuckDuckGo\nName[de]=Ente\nKeys=dd,duckduckgo\n"
              "Query=https://duckduckgo.com/?q=\\\\{@}\n");
    WriteText(
        system / "wikipedia.desktop",
        "[Desktop Entry]\nName=Wikipedia\nKeys=wp\nQuery=https://en.wikipedia.org/wiki/Special:Search?search=\\\\{@}"
        "\n[Other Group]\nName=Wrong\n");
    WriteText(system / "bugs.desktop", "[Desktop Entry]\nName=Bugs\nKeys=bug\nQuery=https://bugs.kde.org/\\\\{0}\n");
    WriteText(system / "words.desktop", "[Desktop Entry]\nName=Words\nKeys=w2\nQuery=https://w.org/\\\\{1}+\\\\{2}\n");
    WriteText(system / "noquery.desktop", "[Desktop Entry]\nName=Nothing\n");
    // The user's own: one replaces the system's Wikipedia, one removes the system's bugs.
    WriteText(
        user / "wikipedia.desktop",
        "[Desktop Entry]\nName=Wikipedia (de)\nKeys= wpde , wp\nQuery=https://de.wikipedia.org/w/?search=\\{@}\n");
    WriteText(user / "bugs.desktop", "[Desktop Entry]\nName=Bugs\nHidden=true\n");
    WriteText(user / "mine.desktop", "[Desktop Entry]\nName=Mine\nKeys=mi\nQuery=https://mine.org/?q=\\\\{@}\n");
    WriteText(user / "notes.txt", "not a provider");

    const SImportResult r =
        ReadKdeProviders({{user.string(), true}, {(home.Path() / "none").string(), true}, {system.string(), false}});
    ASSERT_TRUE(r.Readable());
    ASSERT_EQ(r.engines.size(), 3u);
    EXPECT_EQ(r.engines[0], (SImportedEngine{"Mine", "https://mine.org/?q=[keyword]", "mi", true}));
    EXPECT_EQ(r.engines[1],
              (SImportedEngine{"Wikipedia (de)", "https://de.wikipedia.org/w/?search=[keyword]", "wpde", true}));
    EXPECT_EQ(r.engines[2], (SImportedEngine{"DuckDuckGo", "https://duckduckgo.com/?q=[keyword]", "dd", false}));
    EXPECT_EQ(r.skipped.at(kSkipHidden), 1);
    EXPECT_EQ(r.skipped.at(kSkipUnsupportedAddress), 1);
    EXPECT_EQ(r.skipped.at(kSkipNoAddress), 1);
}

TEST(ImportOpenSearch, DescriptionsWithOptionalParametersMozillaParamsAndPost)
{
    const SImportResult plain = ReadOpenSearch(
        Bytes("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
              "<OpenSearchDescription xmlns=\"urn:opensearch:1.1\">\n"
              " <ShortName>Example &amp; Co</ShortName>\n"
              " <Url type=\"application/x-suggestions+json\" template=\"https://ex.org/suggest?q={searchTerms}\"/>\n"
              " <Url type=\"text/html\" indexOffset=\"0\" template=\"https://ex.org/s?q={searchTerms}&amp;"
              "from={startIndex}&amp;lang={language?}&amp;n={count?}\"/>\n"
              "</OpenSearchDescription>\n"));
    ASSERT_TRUE(plain.Readable()) << plain.unreadable;
    ASSERT_EQ(plain.engines.size(), 1u);
    EXPECT_EQ(plain.engines[0],
              (SImportedEngine{"Example & Co", "https://ex.org/s?q=[keyword]&from=0&lang=*&n=", "", true}));

    const SImportResult mozilla = ReadOpenSearch(
        Bytes("<SearchPlugin xmlns=\"http://www.mozilla.org/2006/browser/search/\" "
              "xmlns:os=\"urn:opensearch:1.1\"><os:ShortName>Moz</os:ShortName>"
              "<os:Url type=\"text/html\" method=\"GET\" template=\"https://moz.org/find\">"
              "<os:Param name=\"q\" value=\"{searchTerms}\"/><os:Param name=\"ie\" value=\"{inputEncoding}\"/>"
              "</os:Url></SearchPlugin>"));
    ASSERT_EQ(mozilla.engines.size(), 1u);
    EXPECT_EQ(mozilla.engines[0].url, "https://moz.org/find?q=[keyword]&ie=UTF-8");

    const SImportResult post = ReadOpenSearch(
        Bytes("<OpenSearchDescription xmlns=\"urn:opensearch:1.1\"><ShortName>Post</ShortName>"
              "<Url type=\"text/html\" method=\"post\" template=\"https://post.org/s\"/></OpenSearchDescription>"));
    EXPECT_TRUE(post.Readable());
    EXPECT_TRUE(post.engines.empty());
    EXPECT_EQ(post.skipped.at(kSkipPost), 1);

    const SImportResult required =
        ReadOpenSearch(Bytes("<OpenSearchDescription><ShortName>R</ShortName>"
                             "<Url type=\"text/html\" template=\"https://r.org/?q={searchTerms}&amp;c={count}\"/>"
                             "</OpenSearchDescription>"));
    EXPECT_EQ(required.skipped.at(kSkipUnsupportedAddress), 1);
}

TEST(ImportOpenSearch, DamagedAndHostileFilesAreUnreadable)
{
    const char* bad[] = {
        // The billion laughs: refused at its declaration, nothing is expanded.
        "<?xml version=\"1.0\"?><!DOCTYPE l [<!ENTITY a \"aaaaaaaaaa\"><!ENTITY b \"&a;&a;&a;&a;&a;&a;&a;&a;\">"
        "<!ENTITY c \"&b;&b;&b;&b;&b;&b;&b;&b;\"><!ENTITY d \"&c;&c;&c;&c;&c;&c;&c;&c;\">]>"
        "<OpenSearchDescription><ShortName>&d;</ShortName></OpenSearchDescription>",
        // An external entity.
        "<!DOCTYPE x [<!ENTITY e SYSTEM \"file:///etc/passwd\">]><OpenSearchDescription><ShortName>&e;</ShortName>"
        "</OpenSearchDescription>",
        "<OpenSearchDescription><ShortName>cut",
        "<html><body>not it</body></html>",
        "",
        "\xff\xfe\x00<",
    };
    for (const char* text : bad) {
        const SImportResult r = ReadOpenSearch(Bytes(text));
        EXPECT_FALSE(r.Readable()) << text;
        EXPECT_TRUE(r.engines.empty()) << text;
    }
}

TEST(ImportFirefox, SearchSettingsThroughMozLz4)
{
    const std::string json = R"({"version":9,"engines":[
        {"_name":"Google","_isAppProvided":true,"_metaData":{"order":1}},
        {"_name":"Wikipedia","_loadPath":"[app]wikipedia@search.mozilla.org","_definedAliases":["@wikipedia"],
         "_urls":[{"template":"https://en.wikipedia.org/w/index.php?search={searchTerms}","params":[],"rels":[]}]},
        {"_name":"My Wiki","_loadPath":"[user]","_metaData":{"alias":"mw"},
         "_urls":[{"template":"https://wiki.me/find","method":"GET",
                   "params":[{"name":"q","value":"{searchTerms}"},{"name":"ie","value":"{inputEncoding}"}]},
                  {"type":"application/x-suggestions+json","template":"https://wiki.me/s?q={searchTerms}"}]},
        {"_name":"Forms","_loadPath":"[https]forms.org/os.xml","_metaData":{"alias":"fo"},
         "_urls":[{"template":"https://forms.org/s","method":"POST","params":[{"name":"q","value":"{searchTerms}"}]}]},
        {"_name":"Removed","_loadPath":"[user]","_metaData":{"hidden":true},
         "_urls":[{"template":"https://gone.org/?q={searchTerms}"}]},
        {"_name":"Locale","_loadPath":"[user]","_urls":[{"template":"https://l.org/{moz:locale}/?q={searchTerms}"}]}
    ]})";
    const SImportResult r = ReadFirefoxSearchFile(MozLz4(json));
    ASSERT_TRUE(r.Readable()) << r.unreadable;
    ASSERT_EQ(r.engines.size(), 2u);
    EXPECT_EQ(r.engines[0], (SImportedEngine{"Wikipedia", "https://en.wikipedia.org/w/index.php?search=[keyword]",
                                             "@wikipedia", false}));
    EXPECT_EQ(r.engines[1], (SImportedEngine{"My Wiki", "https://wiki.me/find?q=[keyword]&ie=UTF-8", "mw", true}));
    // A built-in engine named only: its address is in the installation.
    EXPECT_EQ(r.skipped.at(kSkipBuiltInNoConfig), 1);
    EXPECT_EQ(r.skipped.at(kSkipPost), 1);
    EXPECT_EQ(r.skipped.at(kSkipHidden), 1);
    EXPECT_EQ(r.skipped.at(kSkipUnsupportedAddress), 1);
}

TEST(ImportFirefox, DamagedSearchFilesAreUnreadable)
{
    const std::vector<std::uint8_t> good = MozLz4(R"({"engines":[]})");
    ASSERT_TRUE(ReadFirefoxSearchFile(good).Readable());

    std::vector<std::uint8_t> magic = good;
    magic[3] = 'X';
    std::vector<std::uint8_t> bigger = good;  // the size claims one byte more than the block holds
    bigger[8] = static_cast<std::uint8_t>(bigger[8] + 1);
    std::vector<std::uint8_t> smaller = good;
    smaller[8] = static_cast<std::uint8_t>(smaller[8] - 1);
    std::vector<std::uint8_t> huge = good;  // 4 GB announced
    huge[8] = huge[9] = huge[10] = huge[11] = 0xFF;
    std::vector<std::uint8_t> cut(good.begin(), good.end() - 3);
    std::vector<std::uint8_t> header(good.begin(), good.begin() + 10);
    std::vector<std::uint8_t> noise = good;
    for (std::size_t i = 12; i < noise.size(); ++i) noise[i] = 0xF0;

    for (const auto& [what, bytes] : std::vector<std::pair<const char*, std::vector<std::uint8_t>>>{
             {"wrong magic", magic},
             {"size too large", bigger},
             {"size too small", smaller},
             {"4 GB", huge},
             {"cut block", cut},
             {"header only", header},
             {"noise", noise},
             {"broken JSON", MozLz4(R"({"engines":[{"_name":)")},
             {"JSON not an object", MozLz4("[1,2,3]")}}) {
        const SImportResult r = ReadFirefoxSearchFile(bytes);
        EXPECT_FALSE(r.Readable()) << what;
        EXPECT_TRUE(r.engines.empty()) << what;
    }
}

TEST(ImportFirefox, KeywordBookmarks)
{
    TempHome home;
    const fs::path file = home.Path() / "places.sqlite";
    {
        TestDb db(file);
        CreatePlacesSchema(db);
        AddKeywordBookmark(db, 1, "wp", "https://en.wikipedia.org/wiki/Special:Search?search=%s", "Wikipedia");
        AddKeywordBookmark(db, 2, "raw", "https://r.org/%S", "");
        AddKeywordBookmark(db, 3, "form", "https://f.org/post", "Form", "q=%s");
        AddKeywordBookmark(db, 4, "home", "https://h.org/", "Home page");
        AddKeywordBookmark(db, 5, "run", "file:///usr/bin/xterm?%s", "Shell");
    }
    const SImportResult r = ReadDb(file, &ReadFirefoxPlaces);
    ASSERT_TRUE(r.Readable()) << r.unreadable;
    ASSERT_EQ(r.engines.size(), 2u);
    EXPECT_EQ(
        r.engines[0],
        (SImportedEngine{"Wikipedia", "https://en.wikipedia.org/wiki/Special:Search?search=[keyword]", "wp", true}));
    // No bookmark title: the page's own title.
    EXPECT_EQ(r.engines[1], (SImportedEngine{"Page 2", "https://r.org/[keyword]", "raw", true}));
    EXPECT_EQ(r.skipped.at(kSkipPost), 1);
    EXPECT_EQ(r.skipped.at(kSkipNoQuery), 1);
    EXPECT_EQ(r.skipped.at(kSkipUnsupportedAddress), 1);
}

TEST(ImportFirefox, ARunningBrowsersLockedDatabaseIsReadWithItsLogAndLeftAsItWas)
{
    TempHome home;
    const fs::path file = home.Path() / "places.sqlite";
    TestDb browser(file);
    browser.Exec("PRAGMA journal_mode=WAL; PRAGMA wal_autocheckpoint=0;");
    CreatePlacesSchema(browser);
    AddKeywordBookmark(browser, 1, "wp", "https://en.wikipedia.org/?search=%s", "Wikipedia");
    // The browser keeps the database locked the way Firefox does.
    browser.Exec("PRAGMA locking_mode=EXCLUSIVE; BEGIN EXCLUSIVE; INSERT INTO moz_places (id, url) VALUES (99, 'x');");
    const auto before = FileBytesOf(file);
    const auto logBefore = FileBytesOf(file.string() + "-wal");
    ASSERT_FALSE(logBefore.empty());
    const auto filesBefore = Listing(home.Path());

    const SImportResult r = ReadDb(file, &ReadFirefoxPlaces);
    ASSERT_TRUE(r.Readable()) << r.unreadable;
    ASSERT_EQ(r.engines.size(), 1u);
    EXPECT_EQ(r.engines[0].keyword, "wp");
    EXPECT_EQ(FileBytesOf(file), before);
    EXPECT_EQ(FileBytesOf(file.string() + "-wal"), logBefore);
    EXPECT_EQ(Listing(home.Path()), filesBefore);
    browser.Exec("COMMIT;");
}

TEST(ImportChromium, KeywordsWithGoogleParametersPrepopulatedAndUserEngines)
{
    TempHome home;
    const fs::path file = home.Path() / "Web Data";
    {
        TestDb db(file);
        CreateWebDataSchema(db);
        AddChromiumEngine(db, "Google", "google.com",
                          "{google:baseURL}search?q={searchTerms}&{google:RLZ}{google:originalQueryForSuggestion}"
                          "{google:prefetchSource}{google:searchClient}{google:sourceId}ie={inputEncoding}",
                          1);
        AddChromiumEngine(db, "Images", "gi", "{google:baseURL}search?tbm=isch&q={searchTerms}&client={google:client}");
        AddChromiumEngine(db, "Arch Wiki", "aw", "https://wiki.archlinux.org/index.php?search={searchTerms}");
        AddChromiumEngine(db, "Bookmarks", "@bookmarks", "chrome://bookmarks/?q={searchTerms}", 0, ", starter_pack_id",
                          ", 1");
        AddChromiumEngine(db, "Off", "off", "https://off.org/?q={searchTerms}", 0, ", is_active", ", 2");
        AddChromiumEngine(db, "Posted", "po", "https://p.org/s", 0, ", search_url_post_params", ", 'q={searchTerms}'");
        AddChromiumEngine(db, "Yandex", "ya", "https://ya.ru/?text={searchTerms}&{yandex:referralID}");
        AddChromiumEngine(db, "Home", "ho", "https://home.org/");
    }
    const SImportResult r = ReadDb(file, &ReadChromiumKeywords);
    ASSERT_TRUE(r.Readable()) << r.unreadable;
    ASSERT_EQ(r.engines.size(), 4u);
    EXPECT_EQ(r.engines[0],
              (SImportedEngine{"Google", "https://www.google.com/search?q=[keyword]&ie=UTF-8", "google.com", false}));
    EXPECT_EQ(r.engines[1],
              (SImportedEngine{"Images", "https://www.google.com/search?tbm=isch&q=[keyword]", "gi", true}));
    EXPECT_EQ(r.engines[2],
              (SImportedEngine{"Arch Wiki", "https://wiki.archlinux.org/index.php?search=[keyword]", "aw", true}));
    EXPECT_EQ(r.engines[3], (SImportedEngine{"Off", "https://off.org/?q=[keyword]", "off", false}));
    EXPECT_EQ(r.skipped.at(kSkipUnsupportedAddress), 2);
    EXPECT_EQ(r.skipped.at(kSkipPost), 1);
    EXPECT_EQ(r.skipped.at(kSkipNoQuery), 1);
}

TEST(ImportDatabases, DamagedTruncatedOversizedAndHostileDatabasesAreUnreadable)
{
    TempHome home;
    const fs::path good = home.Path() / "good";
    {
        TestDb db(good);
        CreateWebDataSchema(db);
        for (int i = 0; i < 200; ++i)
            AddChromiumEngine(db, "E" + std::to_string(i) + std::string(200, 'n'), "k" + std::to_string(i),
                              "https://e.org/?q={searchTerms}&i=" + std::to_string(i));
    }
    ASSERT_EQ(ReadDb(good, &ReadChromiumKeywords).engines.size(), 200u);
    const auto bytes = FileBytesOf(good);

    const fs::path truncated = home.Path() / "truncated";
    WriteBytes(truncated,
               std::vector<std::uint8_t>(bytes.begin(), bytes.begin() + static_cast<long>(bytes.size() / 2)));
    const fs::path header = home.Path() / "header";
    WriteBytes(header, std::vector<std::uint8_t>(bytes.begin(), bytes.begin() + 60));
    const fs::path text = home.Path() / "text";
    WriteText(text, "SQLite format 3 but not really");
    std::vector<std::uint8_t> scrambled = bytes;
    for (std::size_t i = 4096; i < scrambled.size(); i += 7) scrambled[i] ^= 0x5A;
    const fs::path damaged = home.Path() / "damaged";
    WriteBytes(damaged, scrambled);
    const fs::path wrongTable = home.Path() / "wrong";
    {
        TestDb db(wrongTable);
        db.Exec("CREATE TABLE other (x);");
    }
    // A view in place of the table that would never end.
    const fs::path endless = home.Path() / "endless";
    {
        TestDb db(endless);
        db.Exec("CREATE VIEW keywords AS WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n) "
                "SELECT 'x' AS short_name, 'k' AS keyword, 'https://x.org/{searchTerms}' AS url, 0 AS prepopulate_id"
                " FROM n;");
    }
    const fs::path many = home.Path() / "many";
    {
        TestDb db(many);
        CreateWebDataSchema(db);
        db.Exec("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 100001) "
                "INSERT INTO keywords (short_name, keyword, url) SELECT 'e', 'k' || i, 'https://e.org/?q={searchTerms}'"
                " FROM n;");
    }

    for (const fs::path& file :
         {truncated, header, text, damaged, wrongTable, endless, many, home.Path() / "missing", home.Path()}) {
        const SImportResult r = ReadDb(file, &ReadChromiumKeywords);
        EXPECT_FALSE(r.Readable()) << file;
        EXPECT_TRUE(r.engines.empty()) << file;
        const SImportResult places = ReadDb(file, &ReadFirefoxPlaces);
        EXPECT_FALSE(places.Readable()) << file;
    }
}

}  // namespace
