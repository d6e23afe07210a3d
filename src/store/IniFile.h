// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// lumora.ini: the options that the two original data files have no room
// for, as a small INI file ("[section]", "key=value", ";" or "#" comments).

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

inline constexpr const char* kIniSuffix = "/Lumora/lumora.ini";
// Anything larger is not a file of ours.
inline constexpr std::size_t kMaxIniBytes = 64 * 1024;

class CIniFile {
public:
    // Takes the text whole or not at all: a line that is neither a section,
    // an entry, a comment nor blank, a NUL byte or an oversized text make it
    // damaged, and the file is left empty. Later entries win over earlier
    // ones of the same key.
    bool Parse(std::string_view text);

    std::optional<std::string> Value(std::string_view section, std::string_view key) const;
    // Line breaks in `value` cannot be stored and become spaces.
    void Set(std::string_view section, std::string_view key, std::string_view value);

    // The file's text; parsing it gives the same entries back.
    std::string Text() const;

    struct SEntry {
        std::string section;
        std::string key;
        std::string value;
        bool operator==(const SEntry&) const = default;
    };
    const std::vector<SEntry>& Entries() const { return m_entries; }

private:
    std::vector<SEntry> m_entries;
};

// What lumora.ini holds. The hotkeys are Qt's portable key-sequence text;
// empty means none. `history`: whether searches are remembered
// (`history=on|off`; anything else counts as on).
struct SIniSettings {
    static constexpr const char* kDefaultHotkey = "Ctrl+Alt+Space";
    std::string hotkey = kDefaultHotkey;
    // The one that brings the bar down with the selected text.
    static constexpr const char* kDefaultSelectionHotkey = "Ctrl+Alt+Shift+Space";
    std::string selectionHotkey = kDefaultSelectionHotkey;
    bool history = true;
    // The monitor the bar was last dragged onto, as the window system names
    // it; empty: the primary.
    std::string screen;
    bool operator==(const SIniSettings&) const = default;
};

// Reads the file at `path` into `settings` and keeps its other entries in
// `file`, so that a save writes them back. A missing or damaged file gives
// the defaults and false.
bool LoadIniSettings(const std::string& path, CIniFile& file, SIniSettings& settings);

// Writes `settings` (and whatever else `file` holds) atomically.
bool SaveIniSettings(const std::string& path, CIniFile file, const SIniSettings& settings);
