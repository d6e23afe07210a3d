// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "import/OpenSearch.h"

#include "import/Templates.h"

#include <QByteArray>
#include <QXmlStreamReader>

namespace {

struct SUrl {
    QString templ;
    bool post = false;
    int indexOffset = 1;
    int pageOffset = 1;
    std::vector<std::pair<QString, QString>> params;
};

bool IsResultsUrl(const QXmlStreamAttributes& a)
{
    if (a.value(QStringLiteral("type")).trimmed().compare(QStringLiteral("text/html"), Qt::CaseInsensitive) != 0)
        return false;
    const auto rel = a.value(QStringLiteral("rel"));
    return rel.isEmpty() || rel.toString().split(QLatin1Char(' ')).contains(QStringLiteral("results"));
}

int OffsetAttribute(const QXmlStreamAttributes& a, const QString& name)
{
    bool ok = false;
    const int v = a.value(name).toInt(&ok);
    return ok && v >= 0 && v < 1000000 ? v : 1;
}

std::string Utf8(const QString& s)
{
    return s.toStdString();
}

}  // namespace

SImportResult ReadOpenSearch(const std::vector<std::uint8_t>& bytes)
{
    SImportResult result;
    if (bytes.size() > kMaxImportBytes) {
        result.unreadable = LUMORA_TRANSLATE_NOOP("ImportReason", "file too large");
        return result;
    }
    const QByteArray data =
        QByteArray::fromRawData(reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size()));
    QXmlStreamReader xml(data);
    xml.setEntityExpansionLimit(0);

    QString shortName;
    QString inputEncoding;  // the first one is what the site expects
    SUrl chosen;
    bool found = false;
    bool inUrl = false;
    bool rootSeen = false;
    SUrl current;
    int depth = 0;
    while (!xml.atEnd()) {
        const QXmlStreamReader::TokenType t = xml.readNext();
        if (t == QXmlStreamReader::DTD || t == QXmlStreamReader::EntityReference) {
            result.unreadable = LUMORA_TRANSLATE_NOOP("ImportReason", "document type declarations are not accepted");
            return result;
        }
        if (t == QXmlStreamReader::StartElement) {
            ++depth;
            const auto name = xml.name();
            if (depth == 1) {
                rootSeen = true;
                if (name != QStringLiteral("OpenSearchDescription") && name != QStringLiteral("SearchPlugin")) {
                    result.unreadable = LUMORA_TRANSLATE_NOOP("ImportReason", "not an OpenSearch description");
                    return result;
                }
            } else if (depth == 2 && name == QStringLiteral("ShortName")) {
                shortName = xml.readElementText(QXmlStreamReader::SkipChildElements);
                --depth;
            } else if (depth == 2 && name == QStringLiteral("InputEncoding")) {
                const QString encoding = xml.readElementText(QXmlStreamReader::SkipChildElements).trimmed();
                if (inputEncoding.isEmpty()) inputEncoding = encoding;
                --depth;
            } else if (depth == 2 && name == QStringLiteral("Url")) {
                const QXmlStreamAttributes a = xml.attributes();
                inUrl = !found && IsResultsUrl(a);
                if (inUrl) {
                    current = SUrl{};
                    current.templ = a.value(QStringLiteral("template")).toString();
                    current.post =
                        a.value(QStringLiteral("method")).compare(QStringLiteral("post"), Qt::CaseInsensitive) == 0;
                    current.indexOffset = OffsetAttribute(a, QStringLiteral("indexOffset"));
                    current.pageOffset = OffsetAttribute(a, QStringLiteral("pageOffset"));
                }
            } else if (depth == 3 && inUrl && name == QStringLiteral("Param")) {
                const QXmlStreamAttributes a = xml.attributes();
                current.params.emplace_back(a.value(QStringLiteral("name")).toString(),
                                            a.value(QStringLiteral("value")).toString());
            }
        } else if (t == QXmlStreamReader::EndElement) {
            if (depth == 2 && inUrl) {
                chosen = current;
                found = true;
                inUrl = false;
            }
            --depth;
        }
    }
    if (xml.hasError() || !rootSeen) {
        result.unreadable = "damaged XML: " + CleanText(Utf8(xml.errorString()), 200);
        if (!rootSeen && !xml.hasError())
            result.unreadable = LUMORA_TRANSLATE_NOOP("ImportReason", "not an OpenSearch description");
        return result;
    }
    if (!found || chosen.templ.isEmpty()) {
        ++result.skipped[kSkipNoAddress];
        return result;
    }
    if (chosen.post) {
        ++result.skipped[kSkipPost];
        return result;
    }
    std::string templ = Utf8(chosen.templ);
    for (const auto& [name, value] : chosen.params) {
        templ += templ.find('?') == std::string::npos ? '?' : '&';
        templ += Utf8(name) + '=' + Utf8(value);
    }
    std::string reason;
    const std::string charset = CleanText(Utf8(inputEncoding), 64);
    const std::string url = MapOpenSearchTemplate(templ, reason, chosen.indexOffset, chosen.pageOffset,
                                                  charset.empty() ? std::string_view("UTF-8") : charset);
    AddEngine(result, Utf8(shortName), url, reason, std::string(), true, charset);
    return result;
}
