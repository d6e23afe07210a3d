// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "import/Chromium.h"

#include "import/Sqlite.h"
#include "import/Templates.h"

#include <algorithm>

SImportResult ReadChromiumKeywords(sqlite3* db)
{
    SImportResult result;
    if (!HasTable(db, "keywords") || !HasColumn(db, "keywords", "url") || !HasColumn(db, "keywords", "keyword") ||
        !HasColumn(db, "keywords", "short_name")) {
        result.unreadable = LUMORA_TRANSLATE_NOOP("ImportReason", "no keywords table");
        return result;
    }
    auto optional = [db](const char* column, const char* fallback) {
        return std::string(HasColumn(db, "keywords", column) ? column : fallback);
    };
    const std::string sql = "SELECT short_name, keyword, url, " + optional("prepopulate_id", "0") + ", " +
                            optional("starter_pack_id", "0") + ", " + optional("is_active", "0") + ", " +
                            optional("search_url_post_params", "''") + ", " + optional("created_by_policy", "0") +
                            ", " + optional("featured_by_policy", "0") + ", " + optional("safe_for_autoreplace", "0") +
                            ", " + optional("input_encodings", "''") + " FROM keywords ORDER BY " +
                            optional("id", "rowid");
    // is_active: 0 unspecified, 1 active, 2 switched off by the user.
    constexpr long long kActive = 1;
    constexpr long long kInactive = 2;
    struct SFeatured {
        std::string name, keyword, url, reason, charset;
    };
    std::vector<SFeatured> featured;
    const bool ok = ForEachRow(db, sql, result, [&](const SRow& row) {
        if (!row.Text(6).empty()) {
            ++result.skipped[kSkipPost];
            return;
        }
        // The first of its input encodings is what the site gets.
        const std::string encodings = row.Text(10);
        const std::string charset = encodings.substr(0, encodings.find(';'));
        std::string reason;
        const std::string mapped = MapChromiumTemplate(row.Text(2), reason, charset.empty() ? "UTF-8" : charset);
        const bool policy = row.Int(7) != 0;
        // A featured policy engine comes twice, the second time as "@keyword".
        if (policy && row.Int(8) != 0 && row.Text(1).rfind('@', 0) == 0) {
            featured.push_back({row.Text(0), row.Text(1).substr(1), mapped, reason, charset});
            return;
        }
        // A site's own OpenSearch description makes an engine nobody asked
        // for; Chromium keeps it inactive until the user switches it on.
        const bool shipped = row.Int(3) != 0 || row.Int(4) != 0;
        const bool bySite = !policy && !shipped && row.Int(9) != 0 && row.Int(5) != kActive;
        const bool userMade = !shipped && row.Int(5) != kInactive && !policy && !bySite;
        SImportedEngine* added = AddEngine(result, row.Text(0), mapped, reason, row.Text(1), userMade, charset);
        if (added)
            added->origin = policy ? EEngineOrigin::Policy : bySite ? EEngineOrigin::Site : EEngineOrigin::Listed;
    });
    // A featured copy whose plain engine is missing still counts.
    for (const SFeatured& f : featured) {
        const bool listed = std::any_of(result.engines.begin(), result.engines.end(),
                                        [&](const SImportedEngine& e) { return e.url == f.url; });
        if (listed) continue;
        if (SImportedEngine* added = AddEngine(result, f.name, f.url, f.reason, f.keyword, false, f.charset))
            added->origin = EEngineOrigin::Policy;
    }
    if (!ok) result.engines.clear();
    return result;
}
