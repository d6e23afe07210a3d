// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "desktop/KeyFile.h"

#include "store/ReadFile.h"

#include <cstdint>

namespace {

// Desktop entries and mimeapps.list are a few KiB; mimeinfo.cache of a full
// desktop some hundred.
constexpr std::size_t kMaxKeyFileBytes = 1 << 20;

std::string_view Trim(std::string_view s)
{
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) s.remove_suffix(1);
    return s;
}

}  // namespace

CKeyFile::CKeyFile(std::string_view text)
{
    SGroup* group = nullptr;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
        // A byte order mark is not part of the first line.
        if (line.starts_with("\xEF\xBB\xBF")) line.remove_prefix(3);
        line = Trim(line);
        if (line.empty() || line.front() == '#') continue;
        if (line.front() == '[') {
            const std::size_t close = line.find(']');
            group = close == std::string_view::npos ? nullptr : &m_groups[std::string(line.substr(1, close - 1))];
            continue;
        }
        const std::size_t eq = line.find('=');
        if (!group || eq == std::string_view::npos) continue;
        const std::string key(Trim(line.substr(0, eq)));
        if (key.empty()) continue;
        if (group->values.emplace(key, std::string(Trim(line.substr(eq + 1)))).second) group->order.push_back(key);
    }
}

bool CKeyFile::HasGroup(const std::string& group) const
{
    return m_groups.contains(group);
}

std::optional<std::string> CKeyFile::Raw(const std::string& group, const std::string& key) const
{
    const auto g = m_groups.find(group);
    if (g == m_groups.end()) return std::nullopt;
    const auto v = g->second.values.find(key);
    if (v == g->second.values.end()) return std::nullopt;
    return v->second;
}

std::optional<std::string> CKeyFile::String(const std::string& group, const std::string& key) const
{
    std::optional<std::string> raw = Raw(group, key);
    if (raw) *raw = UnescapeValue(*raw);
    return raw;
}

std::vector<std::string> CKeyFile::List(const std::string& group, const std::string& key) const
{
    const std::optional<std::string> raw = Raw(group, key);
    return raw ? SplitListValue(*raw) : std::vector<std::string>{};
}

std::vector<std::string> CKeyFile::Keys(const std::string& group) const
{
    const auto g = m_groups.find(group);
    return g == m_groups.end() ? std::vector<std::string>{} : g->second.order;
}

CKeyFile ReadKeyFile(const std::string& path)
{
    std::vector<std::uint8_t> bytes;
    if (ReadFile(path, bytes, kMaxKeyFileBytes) != EReadFile::Read) return {};
    return CKeyFile(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

std::string UnescapeValue(std::string_view raw)
{
    std::string out;
    out.reserve(raw.size());
    for (std::size_t i = 0; i < raw.size(); ++i) {
        if (raw[i] != '\\' || i + 1 == raw.size()) {
            out += raw[i];
            continue;
        }
        switch (raw[i + 1]) {
        case 's': out += ' '; break;
        case 'n': out += '\n'; break;
        case 't': out += '\t'; break;
        case 'r': out += '\r'; break;
        case '\\': out += '\\'; break;
        default:
            // Not an escape of its own: the backslash stays for whoever reads
            // the value next (an Exec line's quoting).
            out += '\\';
            continue;
        }
        ++i;
    }
    return out;
}

std::vector<std::string> SplitListValue(std::string_view raw)
{
    std::vector<std::string> items;
    std::string item;
    for (std::size_t i = 0; i < raw.size(); ++i) {
        if (raw[i] == '\\' && i + 1 < raw.size()) {
            if (raw[i + 1] == ';') {
                item += ';';
            } else {
                item += raw.substr(i, 2);
            }
            ++i;
        } else if (raw[i] == ';') {
            if (!item.empty()) items.push_back(UnescapeValue(item));
            item.clear();
        } else {
            item += raw[i];
        }
    }
    if (!item.empty()) items.push_back(UnescapeValue(item));
    return items;
}
