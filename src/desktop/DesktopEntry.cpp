// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "desktop/DesktopEntry.h"

#include "desktop/KeyFile.h"
#include "store/ReadFile.h"

#include <cstdint>
#include <cstdlib>

namespace {

const std::string kMainGroup = "Desktop Entry";
// Real entries with all their translations stay under 100 KiB.
constexpr std::size_t kMaxEntryBytes = 1 << 20;

}  // namespace

bool ParseDesktopEntry(std::string_view text, const std::string& location, SDesktopEntry& entry,
                       std::string_view locale)
{
    const CKeyFile file(text);
    const std::optional<std::string> exec = file.String(kMainGroup, "Exec");
    if (!exec || exec->empty()) return false;

    SDesktopEntry parsed;
    parsed.location = location;
    parsed.exec = *exec;
    parsed.name = file.String(kMainGroup, "Name").value_or("");
    for (const std::string& key : LocaleKeys(locale)) {
        if (std::optional<std::string> name = file.String(kMainGroup, "Name[" + key + "]"); name && !name->empty()) {
            parsed.name = *name;
            break;
        }
    }
    parsed.icon = file.String(kMainGroup, "Icon").value_or("");
    parsed.tryExec = file.String(kMainGroup, "TryExec").value_or("");
    parsed.hidden = file.String(kMainGroup, "Hidden").value_or("") == "true";
    // An action counts only when the entry both lists and defines it.
    for (const std::string& id : file.List(kMainGroup, "Actions")) {
        const std::optional<std::string> actionExec = file.String("Desktop Action " + id, "Exec");
        if (actionExec && !actionExec->empty()) parsed.actionExec.emplace(id, *actionExec);
    }
    entry = std::move(parsed);
    return true;
}

bool ReadDesktopEntry(const std::string& path, SDesktopEntry& entry, std::string_view locale)
{
    std::vector<std::uint8_t> bytes;
    if (ReadFile(path, bytes, kMaxEntryBytes) != EReadFile::Read) return false;
    return ParseDesktopEntry(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()), path, entry,
                             locale);
}

std::vector<std::string> LocaleKeys(std::string_view locale)
{
    // lang_COUNTRY.ENCODING@MODIFIER; the encoding plays no part.
    std::string_view modifier;
    if (const std::size_t at = locale.find('@'); at != std::string_view::npos) {
        modifier = locale.substr(at);
        locale = locale.substr(0, at);
    }
    locale = locale.substr(0, locale.find('.'));
    const std::string_view lang = locale.substr(0, locale.find('_'));
    if (lang.empty() || lang == "C" || lang == "POSIX") return {};
    const bool hasCountry = lang.size() < locale.size();
    std::vector<std::string> keys;
    if (hasCountry && !modifier.empty()) keys.push_back(std::string(locale) + std::string(modifier));
    if (hasCountry) keys.emplace_back(locale);
    if (!modifier.empty()) keys.push_back(std::string(lang) + std::string(modifier));
    keys.emplace_back(lang);
    return keys;
}

std::string MessagesLocale()
{
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* value = std::getenv(name);
        if (value && *value) return value;
    }
    return {};
}
