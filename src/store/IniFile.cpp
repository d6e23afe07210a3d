// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "store/IniFile.h"

#include "store/AtomicFile.h"
#include "store/ReadFile.h"

#include <algorithm>
#include <cstdint>

namespace {

constexpr std::string_view kGeneral = "General";
constexpr std::string_view kHotkeyKey = "hotkey";
constexpr std::string_view kSelectionHotkeyKey = "selection-hotkey";
constexpr std::string_view kScreenKey = "screen";
constexpr std::string_view kHistoryKey = "history";
constexpr std::string_view kBlanks = " \t\r";

std::string_view Trim(std::string_view text)
{
    const std::size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) return {};
    const std::size_t last = text.find_last_not_of(kBlanks);
    return text.substr(first, last - first + 1);
}

bool ValidName(std::string_view name)
{
    return !name.empty() && name.find_first_of("[]=\n") == std::string_view::npos && Trim(name) == name;
}

std::string OneLine(std::string_view text)
{
    std::string line(Trim(text));
    std::replace_if(
        line.begin(), line.end(), [](char c) { return c == '\n' || c == '\r' || c == '\0'; }, ' ');
    return std::string(Trim(line));
}

}  // namespace

bool CIniFile::Parse(std::string_view text)
{
    m_entries.clear();
    if (text.size() > kMaxIniBytes || text.find('\0') != std::string_view::npos) return false;
    // A byte-order mark some editors put in front.
    if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);

    std::string section(kGeneral);
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        const std::string_view line = Trim(text.substr(0, end));
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);

        if (line.empty() || line.front() == ';' || line.front() == '#') continue;
        if (line.front() == '[') {
            const std::string_view name =
                line.size() >= 2 && line.back() == ']' ? Trim(line.substr(1, line.size() - 2)) : std::string_view();
            if (!ValidName(name)) {
                m_entries.clear();
                return false;
            }
            section = name;
            continue;
        }
        const std::size_t equals = line.find('=');
        const std::string_view key =
            equals == std::string_view::npos ? std::string_view() : Trim(line.substr(0, equals));
        if (!ValidName(key)) {
            m_entries.clear();
            return false;
        }
        Set(section, key, line.substr(equals + 1));
    }
    return true;
}

std::optional<std::string> CIniFile::Value(std::string_view section, std::string_view key) const
{
    for (const SEntry& entry : m_entries) {
        if (entry.section == section && entry.key == key) return entry.value;
    }
    return std::nullopt;
}

void CIniFile::Set(std::string_view section, std::string_view key, std::string_view value)
{
    if (!ValidName(section) || !ValidName(key)) return;
    for (SEntry& entry : m_entries) {
        if (entry.section == section && entry.key == key) {
            entry.value = OneLine(value);
            return;
        }
    }
    // After the last entry of its section, where Text() writes it, so the
    // entries read back from the text come in the same order.
    auto at = m_entries.end();
    for (auto it = m_entries.begin(); it != m_entries.end(); ++it)
        if (it->section == section) at = it + 1;
    m_entries.insert(at, {std::string(section), std::string(key), OneLine(value)});
}

std::string CIniFile::Text() const
{
    // Grouped by section, in the order the sections first appear.
    std::vector<std::string> sections;
    for (const SEntry& entry : m_entries) {
        if (std::find(sections.begin(), sections.end(), entry.section) == sections.end())
            sections.push_back(entry.section);
    }
    std::string text;
    for (const std::string& section : sections) {
        if (!text.empty()) text += '\n';
        text += "[" + section + "]\n";
        for (const SEntry& entry : m_entries) {
            if (entry.section == section) text += entry.key + "=" + entry.value + "\n";
        }
    }
    return text;
}

bool LoadIniSettings(const std::string& path, CIniFile& file, SIniSettings& settings)
{
    settings = SIniSettings{};
    file = CIniFile{};
    std::vector<std::uint8_t> bytes;
    // One byte more than allowed tells an oversized file from a full one.
    if (ReadFile(path, bytes, kMaxIniBytes + 1) != EReadFile::Read) return false;
    if (!file.Parse(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()))) return false;
    if (const std::optional<std::string> hotkey = file.Value(kGeneral, kHotkeyKey)) settings.hotkey = *hotkey;
    if (const std::optional<std::string> hotkey = file.Value(kGeneral, kSelectionHotkeyKey))
        settings.selectionHotkey = *hotkey;
    // Only an explicit "off" turns remembering off.
    settings.history = file.Value(kGeneral, kHistoryKey) != "off";
    if (const std::optional<std::string> screen = file.Value(kGeneral, kScreenKey)) settings.screen = *screen;
    return true;
}

bool SaveIniSettings(const std::string& path, CIniFile file, const SIniSettings& settings)
{
    file.Set(kGeneral, kHotkeyKey, settings.hotkey);
    // Kept beside the first once it differs from its default.
    if (settings.selectionHotkey != SIniSettings::kDefaultSelectionHotkey || file.Value(kGeneral, kSelectionHotkeyKey))
        file.Set(kGeneral, kSelectionHotkeyKey, settings.selectionHotkey);
    // Files of users who never turned it off do not grow the key.
    if (!settings.history || file.Value(kGeneral, kHistoryKey))
        file.Set(kGeneral, kHistoryKey, settings.history ? "on" : "off");
    // Nor do the files of users who never dragged the bar to another monitor.
    if (!settings.screen.empty() || file.Value(kGeneral, kScreenKey)) file.Set(kGeneral, kScreenKey, settings.screen);
    const std::string text = file.Text();
    return WriteFileAtomically(path, reinterpret_cast<const std::uint8_t*>(text.data()), text.size());
}
