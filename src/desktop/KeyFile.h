// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The "[Group]" and "Key=Value" text of desktop entries and mimeapps.list.
// Lines that are neither (and keys before the first group) are skipped, so
// a damaged file still yields what it holds. A group that appears twice is
// one group; the first value of a key counts.
class CKeyFile {
public:
    CKeyFile() = default;
    explicit CKeyFile(std::string_view text);

    bool HasGroup(const std::string& group) const;
    // The raw value, escapes not yet undone.
    std::optional<std::string> Raw(const std::string& group, const std::string& key) const;
    // A string value with its escapes undone.
    std::optional<std::string> String(const std::string& group, const std::string& key) const;
    // A list value ("a;b;c;"), escapes undone; empty items dropped.
    std::vector<std::string> List(const std::string& group, const std::string& key) const;
    // The keys of a group in file order.
    std::vector<std::string> Keys(const std::string& group) const;

private:
    struct SGroup {
        std::vector<std::string> order;
        std::map<std::string, std::string> values;
    };
    std::map<std::string, SGroup> m_groups;
};

// The file at `path` (its first MiB); an empty key file when it cannot be
// read.
CKeyFile ReadKeyFile(const std::string& path);

// Undoes "\s", "\n", "\t", "\r" and "\\"; other backslashes stay as they are.
std::string UnescapeValue(std::string_view raw);

// Splits a list value at unescaped ";" ("\;" is a literal one), then undoes
// the string escapes of each item. Empty items are dropped.
std::vector<std::string> SplitListValue(std::string_view raw);
