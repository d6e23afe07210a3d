// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "import/Firefox.h"

#include "import/FirefoxConfig.h"
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
    if (engine.value(QStringLiteral("_isAppProvided")).toBool() ||
        engine.value(QStringLiteral("_isConfigEngine")).toBool())
        return true;
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

namespace {

void AddDefined(SImportResult& result, const SFirefoxEngineDef& def, const std::string& name, std::string alias,
                EEngineOrigin origin)
{
    if (def.post) {
        ++result.skipped[kSkipPost];
        return;
    }
    if (def.url.empty()) {
        ++result.skipped[kSkipNoAddress];
        return;
    }
    std::string reason;
    const std::string mapped =
        MapOpenSearchTemplate(def.url, reason, 1, 1, def.charset.empty() ? std::string_view("UTF-8") : def.charset);
    if (SImportedEngine* added = AddEngine(result, name.empty() ? def.name : name, mapped, reason,
                                           alias.empty() ? def.alias : std::move(alias), false, def.charset))
        added->origin = origin;
}

}  // namespace

SImportResult ReadFirefoxSearchJson(const std::vector<std::uint8_t>& json, const SFirefoxInstallation& install)
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
    // The built-in engines' addresses, read once and only when needed.
    const QJsonObject meta = doc.object().value(QStringLiteral("metaData")).toObject();
    std::map<std::string, SFirefoxEngineDef> builtIn;
    bool configRead = false;
    bool configOk = false;
    std::vector<bool> policyListed(install.policy.size());

    for (const QJsonValue& v : engines) {
        const QJsonObject engine = v.toObject();
        if (engine.value(QStringLiteral("_metaData")).toObject().value(QStringLiteral("hidden")).toBool()) {
            ++result.skipped[kSkipHidden];
            continue;
        }
        const std::string name = Utf8(engine.value(QStringLiteral("_name")).toString());
        const bool hasUrls = !engine.value(QStringLiteral("_urls")).toArray().isEmpty();
        if (engine.value(QStringLiteral("_loadPath")).toString() == QStringLiteral("[policy]")) {
            // The address lives only in the policy file.
            std::size_t i = 0;
            while (i < install.policy.size() && install.policy[i].name != name) ++i;
            if (i < install.policy.size()) {
                policyListed[i] = true;
                AddDefined(result, install.policy[i], name, Utf8(Alias(engine)), EEngineOrigin::Policy);
                continue;
            }
            if (!hasUrls) {
                ++result.skipped[kSkipPolicyUnknown];
                continue;
            }
        } else if (AppProvided(engine) && !hasUrls) {
            // Since Firefox 128 a built-in engine is only named; its address is
            // in the installation's search configuration.
            if (!configRead) {
                configRead = true;
                configOk =
                    !install.config.empty() &&
                    ParseFirefoxSearchConfig(install.config, Utf8(meta.value(QStringLiteral("locale")).toString()),
                                             Utf8(meta.value(QStringLiteral("region")).toString()), builtIn);
            }
            const auto def = builtIn.find(Utf8(engine.value(QStringLiteral("id")).toString()));
            if (!configOk || def == builtIn.end()) {
                ++result.skipped[configOk ? kSkipBuiltInUnknown : kSkipBuiltInNoConfig];
                continue;
            }
            AddDefined(result, def->second, name, Utf8(Alias(engine)), EEngineOrigin::Listed);
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
        const std::string charset = Utf8(engine.value(QStringLiteral("queryCharset")).toString());
        std::string reason;
        const std::string mapped =
            MapOpenSearchTemplate(templ, reason, 1, 1, charset.empty() ? std::string_view("UTF-8") : charset);
        const bool policy = engine.value(QStringLiteral("_loadPath")).toString() == QStringLiteral("[policy]");
        if (SImportedEngine* added =
                AddEngine(result, name, mapped, reason, Utf8(Alias(engine)), !AppProvided(engine) && !policy, charset))
            added->origin = policy ? EEngineOrigin::Policy : EEngineOrigin::Listed;
    }
    // Firefox adds a policy's engines at its next start.
    for (std::size_t i = 0; i < install.policy.size(); ++i)
        if (!policyListed[i]) AddDefined(result, install.policy[i], {}, {}, EEngineOrigin::Policy);
    return result;
}

SImportResult ReadFirefoxSearchFile(const std::vector<std::uint8_t>& bytes, const SFirefoxInstallation& install)
{
    std::vector<std::uint8_t> json;
    std::string error;
    if (!DecompressMozLz4(bytes, json, error)) {
        SImportResult result;
        result.unreadable = error;
        return result;
    }
    return ReadFirefoxSearchJson(json, install);
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
    // The page's charset, where the user or the site's form gave one.
    const bool annos = HasTable(db, "moz_annos") && HasTable(db, "moz_anno_attributes") &&
                       HasColumn(db, "moz_annos", "place_id") && HasColumn(db, "moz_annos", "content");
    sql += "p.title, ";
    sql += annos ? "(SELECT a.content FROM moz_annos a JOIN moz_anno_attributes n ON n.id = a.anno_attribute_id"
                   " WHERE a.place_id = p.id AND n.name = 'URIProperties/characterSet' LIMIT 1) "
                 : "NULL ";
    sql += "FROM moz_keywords k JOIN moz_places p ON p.id = k.place_id ORDER BY k.id";
    const bool ok = ForEachRow(db, sql, result, [&](const SRow& row) {
        if (!row.Text(2).empty()) {
            ++result.skipped[kSkipPost];
            return;
        }
        std::string reason;
        const std::string mapped = MapPercentTemplate(row.Text(1), reason);
        std::string name = row.Text(3).empty() ? row.Text(4) : row.Text(3);
        AddEngine(result, std::move(name), mapped, reason, row.Text(0), true, row.Text(5));
    });
    if (!ok) result.engines.clear();
    return result;
}
