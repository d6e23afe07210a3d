#include "import/Chromium.h"

#include "import/Sqlite.h"
#include "import/Templates.h"

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
                            optional("search_url_post_params", "''") + " FROM keywords ORDER BY " +
                            optional("id", "rowid");
    constexpr long long kInactive = 2;
    const bool ok = ForEachRow(db, sql, result, [&](const SRow& row) {
        if (!row.Text(6).empty()) {
            ++result.skipped[kSkipPost];
            return;
        }
        std::string reason;
        const std::string mapped = MapChromiumTemplate(row.Text(2), reason);
        const bool userMade = row.Int(3) == 0 && row.Int(4) == 0 && row.Int(5) != kInactive;
        AddEngine(result, row.Text(0), mapped, reason, row.Text(1), userMade);
    });
    if (!ok) result.engines.clear();
    return result;
}
