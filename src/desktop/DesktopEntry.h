// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <map>
#include <string>
#include <string_view>
#include <vector>

// What a launcher needs of a desktop entry (a .desktop file): how it names
// itself and how it runs, with its extra actions. Values have their escapes
// undone; Exec lines are still to be split (ExecLine.h).
struct SDesktopEntry {
    std::string location;  // the file's path, for %k
    std::string name;
    std::string icon;
    std::string exec;
    std::string tryExec;
    bool hidden = false;
    // The actions the entry lists and defines, by id: their Exec lines.
    std::map<std::string, std::string> actionExec;
};

// False when the text has no [Desktop Entry] group or that group names no
// program (no Exec): such a file cannot run anything. `locale` (as in
// $LANG, "de_AT.UTF-8") picks the Name translated for it.
bool ParseDesktopEntry(std::string_view text, const std::string& location, SDesktopEntry& entry,
                       std::string_view locale = {});

// The entry in the file at `path`; false when it cannot be read or parsed.
bool ReadDesktopEntry(const std::string& path, SDesktopEntry& entry, std::string_view locale = {});

// The keys a translated value is looked up under, best first:
// "de_AT.UTF-8@euro" gives de_AT@euro, de_AT, de@euro, de. None for C/POSIX.
std::vector<std::string> LocaleKeys(std::string_view locale);

// The locale of messages: $LC_ALL, else $LC_MESSAGES, else $LANG.
std::string MessagesLocale();
