#include "import/Firefox.h"

#include "import/Sqlite.h"
#include "import/Templates.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>

#include <lz4.h>

#include <cstring>

namespace {

constexpr char kMozLz4Magic[] = "mozLz40";  // and its terminating zero: 8 bytes
constexpr std::size_t kMozLz4Header = 12;

std::string Utf8(const QString& s)
{
    return s.toStdString();
}

bool AppProvided(const QJsonObject& engine)
{
    if (engine.value(QStringLiteral("_isAppProvided")).toBool()) return true;
    const QString loadPath = engine.value(QStringLiteral("_loadPath")).toString();
    return loadPath.startsWith(QStringLiteral("[app]")) || loadPath.startsWith(QStringLiteral("[distribution]")) ||
           loadPath.startsWith(QStringLiteral("jar:")) || loadPath.startsWith(QStringLiteral("resource:"));
}

QString Alias(const QJsonObject& engine)
{
    const QString alias =
        engine.value(QStringLiteral("_metaData")).toObject().value(QStringLiteral("alias")).toString();
    if (!alias.isEmpty()) return alias;
    const QJsonArray defined = engine.value(QStringLiteral("_definedAliases")).toArray();
    return defined.isEmpty() ? QString() : defined.first().toString();
}

// The URL for web results: type text/html (the default when it is not
// given) and not only for suggestions.
const QJsonObject* ResultsUrl(const QJsonArray& urls, QJsonObject& holder)
{
    for (const QJsonValue& v : urls) {
        const QJsonObject u = v.toObject();
        const QString type = u.value(QStringLiteral("type")).toString();
        if (!type.isEmpty() && type.compare(QStringLiteral("text/html"), Qt::CaseInsensitive) != 0) continue;
        holder = u;
        return &holder;
    }
    return nullptr;
}

}  // namespace

bool DecompressMozLz4(const std::vector<std::uint8_t>& bytes, std::vector<std::uint8_t>& out, std::string& error)
{
    out.clear();
    if (bytes.size() < kMozLz4Header || std::memcmp(bytes.data(), kMozLz4Magic, 8) != 0) {
        error = LUMORA_TRANSLATE_NOOP("ImportReason", "not a mozLz4 file");
        return false;
    }
    const std::uint32_t size = std::uint32_t{bytes[8]} | std::uint32_t{bytes[9]} << 8 | std::uint32_t{bytes[10]} << 16 |
                               std::uint32_t{bytes[11]} << 24;
    if (size > kMaxImportBytes) {
        error = LUMORA_TRANSLATE_NOOP("ImportReason", "announces more than 64 MB");
        return false;
    }
    if (bytes.size() - kMozLz4Header > static_cast<std::size_t>(LZ4_compressBound(static_cast<int>(size)))) {
        error = LUMORA_TRANSLATE_NOOP("ImportReason", "damaged compressed data");
        return false;
    }
    out.resize(size);
    const int got = LZ4_decompress_safe(reinterpret_cast<const char*>(bytes.data() + kMozLz4Header),
                                        reinterpret_cast<char*>(out.data()),
                                        static_cast<int>(bytes.size() - kMozLz4Header), static_cast<int>(size));
    if (got < 0 || static_cast<std::uint32_t>(got) != size) {
        out.clear();
        error = got < 0 ? LUMORA_TRANSLATE_NOOP("ImportReason", "damaged compressed data")
                        : LUMORA_TRANSLATE_NOOP("ImportReason", "size does not match the data");
        return false;
    }
    return true;
}

SImportResult ReadFirefoxSearchJson(const std::vector<std::uint8_t>& json)
{
    SImportResult result;
    if (json.size() > kMaxImportBytes) {
        result.unreadable = LUMORA_TRANSLATE_NOOP("ImportReason", "file too large");
        return result;
    }
    QJsonParseError err{};
    const QJsonDocument doc = QJsonDocument::fromJson(
        QByteArray::fromRawData(reinterpret_cast<const char*>(json.data()), static_cast<qsizetype>(json.size())), &err);
    if (err.error != QJsonParseError::NoError || !doc.isObject()) {
        result.unreadable = LUMORA_TRANSLATE_NOOP("ImportReason", "damaged JSON");
        return result;
    }
    const QJsonArray engines = doc.object().value(QStringLiteral("engines")).toArray();
    if (static_cast<std::size_t>(engines.size()) > kMaxImportEngines) {
        result.unreadable = "more than " + std::to_string(kMaxImportEngines) + " engines";
        return result;
    }
    for (const QJsonValue& v : engines) {
        const QJsonObject engine = v.toObject();
        if (engine.value(QStringLiteral("_metaData")).toObject().value(QStringLiteral("hidden")).toBool()) {
            ++result.skipped[kSkipHidden];
            continue;
        }
        QJsonObject holder;
        const QJsonObject* url = ResultsUrl(engine.value(QStringLiteral("_urls")).toArray(), holder);
        if (!url || url->value(QStringLiteral("template")).toString().isEmpty()) {
            ++result.skipped[kSkipNoAddress];
            continue;
        }
        const QString method = url->value(QStringLiteral("method")).toString();
        if (method.compare(QStringLiteral("post"), Qt::CaseInsensitive) == 0) {
            ++result.skipped[kSkipPost];
            continue;
        }
        std::string templ = Utf8(url->value(QStringLiteral("template")).toString());
        for (const QJsonValue& p : url->value(QStringLiteral("params")).toArray()) {
            const QJsonObject param = p.toObject();
            templ += templ.find('?') == std::string::npos ? '?' : '&';
            templ += Utf8(param.value(QStringLiteral("name")).toString()) + '=' +
                     Utf8(param.value(QStringLiteral("value")).toString());
        }
        std::string reason;
        const std::string mapped = MapOpenSearchTemplate(templ, reason);
        AddEngine(result, Utf8(engine.value(QStringLiteral("_name")).toString()), mapped, reason, Utf8(Alias(engine)),
                  !AppProvided(engine));
    }
    return result;
}

SImportResult ReadFirefoxSearchFile(const std::vector<std::uint8_t>& bytes)
{
    std::vector<std::uint8_t> json;
    std::string error;
    if (!DecompressMozLz4(bytes, json, error)) {
        SImportResult result;
        result.unreadable = error;
        return result;
    }
    return ReadFirefoxSearchJson(json);
}

SImportResult ReadFirefoxPlaces(sqlite3* db)
{
    SImportResult result;
    if (!HasTable(db, "moz_keywords") || !HasTable(db, "moz_places")) {
        result.unreadable = LUMORA_TRANSLATE_NOOP("ImportReason", "no keyword tables");
        return result;
    }
    const bool post = HasColumn(db, "moz_keywords", "post_data");
    const bool bookmarks = HasTable(db, "moz_bookmarks") && HasColumn(db, "moz_bookmarks", "fk") &&
                           HasColumn(db, "moz_bookmarks", "title");
    std::string sql = "SELECT k.keyword, p.url, ";
    sql += post ? "k.post_data, " : "NULL, ";
    sql += bookmarks
               ? "(SELECT b.title FROM moz_bookmarks b WHERE b.fk = p.id AND b.title <> '' ORDER BY b.id LIMIT 1), "
               : "NULL, ";
    sql += "p.title FROM moz_keywords k JOIN moz_places p ON p.id = k.place_id ORDER BY k.id";
    const bool ok = ForEachRow(db, sql, result, [&](const SRow& row) {
        if (!row.Text(2).empty()) {
            ++result.skipped[kSkipPost];
            return;
        }
        std::string reason;
        const std::string mapped = MapPercentTemplate(row.Text(1), reason);
        std::string name = row.Text(3).empty() ? row.Text(4) : row.Text(3);
        AddEngine(result, std::move(name), mapped, reason, row.Text(0), true);
    });
    if (!ok) result.engines.clear();
    return result;
}
