// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Times reading the sources the import dialog reads when it opens: a heavy
// Firefox profile (a 60 MB history with 200 keywords, the database copied
// before it is read), a Chrome profile with 1,000 engines and a search
// settings file with 1,000 engines. Prints the median of several rounds.
#include "import/ImportFixtures.h"
#include "import/Sources.h"

#include <algorithm>
#include <chrono>
#include <cstdio>

namespace {

constexpr int kRounds = 5;

double MedianMs(const SImportSource& source, std::size_t& engines)
{
    std::vector<double> ms;
    for (int i = 0; i < kRounds; ++i) {
        const auto start = std::chrono::steady_clock::now();
        const SImportResult r = ReadImportSource(source);
        ms.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
        engines = r.engines.size();
    }
    std::sort(ms.begin(), ms.end());
    return ms[ms.size() / 2];
}

}  // namespace

int main()
{
    TempHome home;
    const fs::path profile = home.Path() / ".mozilla/firefox/p";
    WriteText(home.Path() / ".mozilla/firefox/profiles.ini", "[Profile0]\nName=p\nPath=p\n");
    {
        TestDb db(profile / "places.sqlite");
        CreatePlacesSchema(db);
        db.Exec("BEGIN");
        for (int i = 1; i <= 200; ++i)
            AddKeywordBookmark(db, i, "k" + std::to_string(i), "https://k" + std::to_string(i) + ".org/?q=%s", "K");
        // History: the bulk of a real places.sqlite.
        db.Exec("WITH RECURSIVE n(i) AS (SELECT 1000 UNION ALL SELECT i + 1 FROM n WHERE i < 300000) "
                "INSERT INTO moz_places (id, url, title) SELECT i, 'https://history.example.org/page/' || i || '/' || "
                "hex(randomblob(40)), 'A page title ' || hex(randomblob(20)) FROM n");
        db.Exec("COMMIT");
    }
    std::string json = R"({"engines":[)";
    for (int i = 0; i < 1000; ++i)
        json += std::string(i ? "," : "") + R"({"_name":"E)" + std::to_string(i) +
                R"(","_loadPath":"[user]","_metaData":{"alias":"e)" + std::to_string(i) +
                R"("},"_urls":[{"template":"https://e.org/?q={searchTerms}&n=)" + std::to_string(i) + R"("}]})";
    json += "]}";
    WriteBytes(profile / "search.json.mozlz4", MozLz4(json));
    {
        TestDb db(home.Path() / ".config/google-chrome/Default/Web Data");
        CreateWebDataSchema(db);
        db.Exec("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 1000) "
                "INSERT INTO keywords (short_name, keyword, url) SELECT 'Engine ' || i, 'c' || i, "
                "'{google:baseURL}search?q={searchTerms}&{google:RLZ}n=' || i FROM n");
    }

    SImportPlaces places;
    places.home = home.Path().string();
    places.configHome = (home.Path() / ".config").string();
    const std::vector<SImportSource> sources = FindImportSources(places);
    std::printf("%-28s %10s %10s %10s\n", "source", "file MB", "engines", "median ms");
    for (const SImportSource& s : sources) {
        const fs::path file =
            s.kind == ESourceKind::Firefox ? fs::path(s.path) / "places.sqlite" : fs::path(s.path) / "Web Data";
        std::size_t engines = 0;
        const double ms = MedianMs(s, engines);
        std::printf("%-28s %10.1f %10zu %10.1f\n", s.label.c_str(),
                    static_cast<double>(fs::file_size(file)) / (1024.0 * 1024.0), engines, ms);
    }
    return 0;
}
