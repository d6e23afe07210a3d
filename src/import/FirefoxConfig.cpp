// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "import/FirefoxConfig.h"

#include "import/ImportTypes.h"
#include "import/JarFile.h"
#include "store/ReadFile.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>

namespace {

constexpr const char* kConfigEntry = "defaults/settings/main/search-config-v2.json";
// omni.ja is some 50 MB; a file far beyond that is not Firefox's.
constexpr std::size_t kMaxJarBytes = 256u * 1024 * 1024;
constexpr std::size_t kMaxPolicyBytes = 4u * 1024 * 1024;

std::string Utf8(const QString& s)
{
    return s.toStdString();
}

QJsonObject ParseObject(const std::vector<std::uint8_t>& json)
{
    if (json.size() > kMaxImportBytes) return {};
    QJsonParseError err{};
    const QJsonDocument doc = QJsonDocument::fromJson(
        QByteArray::fromRawData(reinterpret_cast<const char*>(json.data()), static_cast<qsizetype>(json.size())), &err);
    return err.error == QJsonParseError::NoError && doc.isObject() ? doc.object() : QJsonObject();
}

bool Contains(const QJsonValue& list, const QString& value)
{
    return !value.isEmpty() && list.toArray().contains(QJsonValue(value));
}

// A variant's environment, as far as it can be judged from a profile: its
// locale and region. Variants for other applications, distributions,
// channels or experiments do not apply to a plain desktop Firefox.
bool Applies(const QJsonObject& env, const QString& locale, const QString& region)
{
    if (env.contains(QStringLiteral("applications")) &&
        !Contains(env.value(QStringLiteral("applications")), QStringLiteral("firefox")))
        return false;
    for (const char* other : {"distributions", "channels", "experiment", "deviceType"})
        if (env.contains(QLatin1String(other))) return false;
    if (Contains(env.value(QStringLiteral("excludedLocales")), locale) ||
        Contains(env.value(QStringLiteral("excludedRegions")), region))
        return false;
    return env.value(QStringLiteral("allRegionsAndLocales")).toBool() ||
           Contains(env.value(QStringLiteral("locales")), locale) ||
           Contains(env.value(QStringLiteral("regions")), region);
}

// Later properties override earlier ones, one level deep.
QJsonObject Merged(QJsonObject base, const QJsonObject& over)
{
    for (auto it = over.begin(); it != over.end(); ++it) base.insert(it.key(), it.value());
    return base;
}

SFirefoxEngineDef EngineOf(const QJsonObject& record, const QString& locale, const QString& region)
{
    const QJsonObject base = record.value(QStringLiteral("base")).toObject();
    QJsonObject search = base.value(QStringLiteral("urls")).toObject().value(QStringLiteral("search")).toObject();
    QString partnerCode = base.value(QStringLiteral("partnerCode")).toString();
    // As Firefox does, the last variant that applies wins.
    for (const QJsonValue& v : record.value(QStringLiteral("variants")).toArray()) {
        const QJsonObject variant = v.toObject();
        if (!Applies(variant.value(QStringLiteral("environment")).toObject(), locale, region)) continue;
        const QJsonObject over =
            variant.value(QStringLiteral("urls")).toObject().value(QStringLiteral("search")).toObject();
        search = Merged(base.value(QStringLiteral("urls")).toObject().value(QStringLiteral("search")).toObject(), over);
        if (variant.contains(QStringLiteral("partnerCode")))
            partnerCode = variant.value(QStringLiteral("partnerCode")).toString();
    }
    SFirefoxEngineDef def;
    def.name = Utf8(base.value(QStringLiteral("name")).toString());
    def.charset = Utf8(base.value(QStringLiteral("charset")).toString());
    def.post =
        search.value(QStringLiteral("method")).toString().compare(QStringLiteral("post"), Qt::CaseInsensitive) == 0;
    QString url = search.value(QStringLiteral("base")).toString();
    if (url.isEmpty()) return def;
    QStringList params;
    for (const QJsonValue& p : search.value(QStringLiteral("params")).toArray()) {
        const QJsonObject param = p.toObject();
        // Parameters for experiments or enterprise builds only have no value.
        if (!param.contains(QStringLiteral("value"))) continue;
        QString value = param.value(QStringLiteral("value")).toString();
        value.replace(QStringLiteral("{partnerCode}"), partnerCode);
        params << param.value(QStringLiteral("name")).toString() + QLatin1Char('=') + value;
    }
    const QString terms = search.value(QStringLiteral("searchTermParamName")).toString();
    if (!terms.isEmpty()) params << terms + QStringLiteral("={searchTerms}");
    if (!params.isEmpty())
        url += (url.contains(QLatin1Char('?')) ? QLatin1Char('&') : QLatin1Char('?')) + params.join(QLatin1Char('&'));
    def.url = Utf8(url);
    return def;
}

}  // namespace

bool ParseFirefoxSearchConfig(const std::vector<std::uint8_t>& json, const std::string& locale,
                              const std::string& region, std::map<std::string, SFirefoxEngineDef>& engines)
{
    engines.clear();
    const QJsonObject root = ParseObject(json);
    if (!root.value(QStringLiteral("data")).isArray()) return false;
    const QString loc = QString::fromStdString(locale);
    const QString reg = QString::fromStdString(region);
    for (const QJsonValue& v : root.value(QStringLiteral("data")).toArray()) {
        const QJsonObject record = v.toObject();
        if (record.value(QStringLiteral("recordType")).toString() != QStringLiteral("engine")) continue;
        const std::string id = Utf8(record.value(QStringLiteral("identifier")).toString());
        if (!id.empty() && engines.size() < kMaxImportEngines) engines[id] = EngineOf(record, loc, reg);
    }
    return true;
}

std::vector<SFirefoxEngineDef> ParseFirefoxPolicies(const std::vector<std::uint8_t>& json)
{
    std::vector<SFirefoxEngineDef> engines;
    const QJsonArray add = ParseObject(json)
                               .value(QStringLiteral("policies"))
                               .toObject()
                               .value(QStringLiteral("SearchEngines"))
                               .toObject()
                               .value(QStringLiteral("Add"))
                               .toArray();
    for (const QJsonValue& v : add) {
        const QJsonObject e = v.toObject();
        SFirefoxEngineDef def;
        def.name = Utf8(e.value(QStringLiteral("Name")).toString());
        def.url = Utf8(e.value(QStringLiteral("URLTemplate")).toString());
        def.alias = Utf8(e.value(QStringLiteral("Alias")).toString());
        def.charset = Utf8(e.value(QStringLiteral("Encoding")).toString());
        def.post =
            e.value(QStringLiteral("Method")).toString().compare(QStringLiteral("post"), Qt::CaseInsensitive) == 0;
        if (!def.name.empty() && engines.size() < kMaxImportEngines) engines.push_back(std::move(def));
    }
    return engines;
}

std::vector<std::string> FirefoxInstallFolders(const std::string& home)
{
    std::vector<std::string> folders = {"/usr/lib/firefox-esr",
                                        "/usr/lib/firefox",
                                        "/usr/lib64/firefox",
                                        "/opt/firefox",
                                        "/snap/firefox/current/usr/lib/firefox",
                                        "/var/lib/flatpak/app/org.mozilla.firefox/current/active/files/lib/firefox"};
    if (!home.empty())
        folders.push_back(home + "/.local/share/flatpak/app/org.mozilla.firefox/current/active/files/lib/firefox");
    return folders;
}

SFirefoxInstallation LoadFirefoxInstallation(const std::vector<std::string>& folders, const std::string& etcFolder)
{
    SFirefoxInstallation install;
    std::vector<std::string> policyFiles = {etcFolder + "/firefox/policies/policies.json"};
    for (const std::string& folder : folders) {
        const std::string jar = folder + "/browser/omni.ja";
        std::vector<std::uint8_t> bytes;
        std::string error;
        if (install.config.empty() && ReadFile(jar, bytes, kMaxJarBytes) == EReadFile::Read)
            ReadJarEntry(bytes, kConfigEntry, install.config, error);
        policyFiles.push_back(folder + "/distribution/policies.json");
    }
    // Firefox takes the first policy file it finds.
    for (const std::string& file : policyFiles) {
        std::vector<std::uint8_t> bytes;
        if (ReadFile(file, bytes, kMaxPolicyBytes) != EReadFile::Read) continue;
        install.policy = ParseFirefoxPolicies(bytes);
        break;
    }
    return install;
}
