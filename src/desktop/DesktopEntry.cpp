// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "desktop/DesktopEntry.h"

#include "desktop/KeyFile.h"
#include "store/ReadFile.h"

#include <cstdint>

namespace {

const std::string kMainGroup = "Desktop Entry";
// Real entries with all their translations stay under 100 KiB.
constexpr std::size_t kMaxEntryBytes = 1 << 20;

}  // namespace

bool ParseDesktopEntry(std::string_view text, const std::string& location, SDesktopEntry& entry)
{
    const CKeyFile file(text);
    const std::optional<std::string> exec = file.String(kMainGroup, "Exec");
    if (!exec || exec->empty()) return false;

    SDesktopEntry parsed;
    parsed.location = location;
    parsed.exec = *exec;
    parsed.name = file.String(kMainGroup, "Name").value_or("");
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

bool ReadDesktopEntry(const std::string& path, SDesktopEntry& entry)
{
    std::vector<std::uint8_t> bytes;
    if (ReadFile(path, bytes, kMaxEntryBytes) != EReadFile::Read) return false;
    return ParseDesktopEntry(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()), path, entry);
}
