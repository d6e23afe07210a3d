// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Browser and desktop files made the way their programs make them, with the
// SQLite and LZ4 libraries, in a temporary home.

#include <gtest/gtest.h>

#include <lz4.h>
#include <sqlite3.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <vector>

#include <unistd.h>

#include "import/ImportTypes.h"

#include <ostream>

namespace fs = std::filesystem;

inline void PrintTo(const SImportedEngine& e, std::ostream* os)
{
    *os << "{" << e.name << " | " << e.url << " | " << e.keyword << " | " << (e.userMade ? "user" : "shipped")
        << (e.origin == EEngineOrigin::Policy ? " | policy"
            : e.origin == EEngineOrigin::Site ? " | site"
                                              : "")
        << (e.charset.empty() ? "" : " | " + e.charset) << "}";
}

class TempHome {
public:
    TempHome()
    {
        std::string pattern = (fs::temp_directory_path() / "lumora-import-test-XXXXXX").string();
        if (!mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
        m_path = pattern;
    }
    ~TempHome()
    {
        std::error_code ec;
        fs::remove_all(m_path, ec);
    }
    TempHome(const TempHome&) = delete;
    TempHome& operator=(const TempHome&) = delete;

    const fs::path& Path() const { return m_path; }

private:
    fs::path m_path;
};

inline void WriteText(const fs::path& file, const std::string& text)
{
    fs::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary) << text;
}

inline void WriteBytes(const fs::path& file, const std::vector<std::uint8_t>& bytes)
{
    fs::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

inline std::vector<std::uint8_t> Bytes(const std::string& text)
{
    return {text.begin(), text.end()};
}

inline std::vector<std::uint8_t> FileBytesOf(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// An SQLite database written by the test: Exec() runs statements and fails
// the test on an error.
class TestDb {
public:
    explicit TestDb(const fs::path& file)
    {
        fs::create_directories(file.parent_path());
        if (sqlite3_open(file.string().c_str(), &m_db) != SQLITE_OK) ADD_FAILURE() << "cannot create " << file;
    }
    ~TestDb() { sqlite3_close(m_db); }
    TestDb(const TestDb&) = delete;
    TestDb& operator=(const TestDb&) = delete;

    void Exec(const std::string& sql)
    {
        char* error = nullptr;
        if (sqlite3_exec(m_db, sql.c_str(), nullptr, nullptr, &error) != SQLITE_OK) {
            ADD_FAILURE() << (error ? error : "?") << " in: " << sql;
            sqlite3_free(error);
        }
    }
    sqlite3* Db() const { return m_db; }

private:
    sqlite3* m_db = nullptr;
};

// The tables of places.sqlite that keyword bookmarks live in, as Firefox
// lays them out.
inline void CreatePlacesSchema(TestDb& db)
{
    db.Exec("CREATE TABLE moz_places (id INTEGER PRIMARY KEY, url LONGVARCHAR, title LONGVARCHAR, rev_host LONGVARCHAR,"
            " visit_count INTEGER DEFAULT 0, hidden INTEGER DEFAULT 0 NOT NULL, typed INTEGER DEFAULT 0 NOT NULL,"
            " frecency INTEGER DEFAULT -1 NOT NULL, last_visit_date INTEGER, guid TEXT, foreign_count INTEGER DEFAULT 0"
            " NOT NULL, url_hash INTEGER DEFAULT 0 NOT NULL);"
            "CREATE TABLE moz_keywords (id INTEGER PRIMARY KEY AUTOINCREMENT, keyword TEXT UNIQUE, place_id INTEGER,"
            " post_data TEXT);"
            "CREATE TABLE moz_bookmarks (id INTEGER PRIMARY KEY, type INTEGER, fk INTEGER DEFAULT NULL, parent INTEGER,"
            " position INTEGER, title LONGVARCHAR, keyword_id INTEGER, folder_type TEXT, dateAdded INTEGER,"
            " lastModified INTEGER, guid TEXT);");
}

inline void AddKeywordBookmark(TestDb& db, int id, const std::string& keyword, const std::string& url,
                               const std::string& bookmarkTitle, const std::string& postData = "")
{
    db.Exec("INSERT INTO moz_places (id, url, title) VALUES (" + std::to_string(id) + ", '" + url + "', 'Page " +
            std::to_string(id) + "');");
    db.Exec("INSERT INTO moz_keywords (keyword, place_id, post_data) VALUES ('" + keyword + "', " + std::to_string(id) +
            ", " + (postData.empty() ? "NULL" : "'" + postData + "'") + ");");
    db.Exec("INSERT INTO moz_bookmarks (type, fk, parent, title) VALUES (1, " + std::to_string(id) + ", 3, '" +
            bookmarkTitle + "');");
}

// Chromium's keywords table with the columns the importer looks at.
inline void CreateWebDataSchema(TestDb& db)
{
    db.Exec("CREATE TABLE keywords (id INTEGER PRIMARY KEY, short_name VARCHAR NOT NULL, keyword VARCHAR NOT NULL,"
            " favicon_url VARCHAR NOT NULL DEFAULT '', url VARCHAR NOT NULL, safe_for_autoreplace INTEGER DEFAULT 0,"
            " originating_url VARCHAR DEFAULT '', date_created INTEGER DEFAULT 0, usage_count INTEGER DEFAULT 0,"
            " input_encodings VARCHAR DEFAULT '', suggest_url VARCHAR DEFAULT '', prepopulate_id INTEGER DEFAULT 0,"
            " created_by_policy INTEGER DEFAULT 0, last_modified INTEGER DEFAULT 0, sync_guid VARCHAR DEFAULT '',"
            " alternate_urls VARCHAR DEFAULT '', image_url VARCHAR DEFAULT '', search_url_post_params VARCHAR DEFAULT"
            " '', suggest_url_post_params VARCHAR DEFAULT '', image_url_post_params VARCHAR DEFAULT '', new_tab_url"
            " VARCHAR DEFAULT '', last_visited INTEGER DEFAULT 0, created_from_play_api INTEGER DEFAULT 0, is_active"
            " INTEGER DEFAULT 0, starter_pack_id INTEGER DEFAULT 0);");
}

inline void AddChromiumEngine(TestDb& db, const std::string& name, const std::string& keyword, const std::string& url,
                              int prepopulateId = 0, const std::string& extraColumns = "",
                              const std::string& extraValues = "")
{
    db.Exec("INSERT INTO keywords (short_name, keyword, url, prepopulate_id" + extraColumns + ") VALUES ('" + name +
            "', '" + keyword + "', '" + url + "', " + std::to_string(prepopulateId) + extraValues + ");");
}

// search.json.mozlz4: the magic, the size, one LZ4 block.
inline std::vector<std::uint8_t> MozLz4(const std::string& json)
{
    std::vector<std::uint8_t> out = {'m', 'o', 'z', 'L', 'z', '4', '0', 0};
    const auto size = static_cast<std::uint32_t>(json.size());
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<std::uint8_t>(size >> (8 * i)));
    std::vector<char> block(static_cast<std::size_t>(LZ4_compressBound(static_cast<int>(json.size()))));
    const int n =
        LZ4_compress_default(json.data(), block.data(), static_cast<int>(json.size()), static_cast<int>(block.size()));
    out.insert(out.end(), block.begin(), block.begin() + n);
    return out;
}

// A home with one of each: a Firefox profile (two keyword bookmarks, one
// added engine), a Google Chrome profile (a prepopulated engine, a site
// search of the user's), a Chromium profile whose Web Data is damaged and
// a KDE provider of the user's, the browsers' folders under `config` and
// KDE's under `data` (by default the home's .config and .local/share).
inline constexpr const char* kSampleFirefoxKeywordUrl = "https://wk.example.org/?q=[keyword]";
inline constexpr const char* kSampleChromeUserUrl = "https://site.example.org/find?q=[keyword]";

inline void MakeSampleHome(const fs::path& home, fs::path config = {}, fs::path data = {})
{
    if (config.empty()) config = home / ".config";
    if (data.empty()) data = home / ".local/share";
    const fs::path ff = home / ".mozilla/firefox";
    WriteText(ff / "profiles.ini", "[Profile0]\nName=default-release\nIsRelative=1\nPath=p.default-release\n");
    {
        TestDb db(ff / "p.default-release/places.sqlite");
        CreatePlacesSchema(db);
        AddKeywordBookmark(db, 1, "wk", "https://wk.example.org/?q=%s", "Work Wiki");
        AddKeywordBookmark(db, 2, "dup", "https://site.example.org/find?q=%s", "Site again");
    }
    WriteBytes(ff / "p.default-release/search.json.mozlz4",
               MozLz4(R"({"engines":[{"_name":"Added","_loadPath":"[user]","_metaData":{"alias":"fxa"},)"
                      R"("_urls":[{"template":"https://added.example.org/?q={searchTerms}"}]}]})"));
    {
        TestDb db(config / "google-chrome/Default/Web Data");
        CreateWebDataSchema(db);
        AddChromiumEngine(db, "Google", "google.com", "{google:baseURL}search?q={searchTerms}&{google:RLZ}", 1);
        AddChromiumEngine(db, "Site", "si", "https://site.example.org/find?q={searchTerms}");
    }
    WriteText(config / "chromium/Default/Web Data", "SQLite format 3\0 damaged beyond repair");
    WriteText(data / "kf6/searchproviders/kde.desktop",
              "[Desktop Entry]\nName=KDE Bugs\nKeys=kb,kdebug\nQuery=https://bugs.example.org/\\\\{@}\n");
}
