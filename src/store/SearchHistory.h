// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The searches the bar has made, newest first, and the file that keeps them
// between runs: $XDG_STATE_HOME/Lumora/history, one search a line in UTF-8,
// newest first. It holds what the user typed, so it is the user's alone
// (0600 in a 0700 folder) and never part of the settings files.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

inline constexpr std::size_t kMaxHistoryEntries = 1000;
inline constexpr std::size_t kMaxCompletions = 8;
// Longer searches are not kept; a line longer than this is not ours.
inline constexpr std::size_t kMaxHistoryEntryBytes = 2000;
// The most a file of full entries can hold (each with its line break). A
// larger file is read up to this much: its newest entries.
inline constexpr std::size_t kMaxHistoryFileBytes = kMaxHistoryEntries * (kMaxHistoryEntryBytes + 1);

inline constexpr const char* kHistorySuffix = "/Lumora/history";

// The text a search is kept as: spaces at both ends trimmed, line breaks,
// other control characters (tabs aside) and byte-order marks made spaces. Empty when it cannot be
// kept: nothing but spaces, not UTF-8, or longer than kMaxHistoryEntryBytes.
std::string HistoryEntryText(std::string_view query);

class CSearchHistory {
public:
    // Puts the search on top; the same text further down goes, and beyond
    // kMaxHistoryEntries the oldest. False when the query cannot be kept
    // (see HistoryEntryText).
    bool Add(std::string_view query);
    // Removes the entry with exactly this text; false when there is none.
    bool Remove(std::string_view text);
    void Clear() { m_entries.clear(); }

    std::size_t Size() const { return m_entries.size(); }
    bool Empty() const { return m_entries.empty(); }
    // Entry `i`, 0 the newest.
    const std::string& At(std::size_t i) const { return m_entries[i].text; }

    // Up to `limit` entries that begin with `typed` in any letter case
    // (FoldCase), newest first. Spaces in front of `typed` do not count;
    // nothing but spaces matches nothing.
    std::vector<std::string> Complete(std::string_view typed, std::size_t limit = kMaxCompletions) const;

    // Takes the file's text: one entry a line, newest first. What the file
    // cannot hold is skipped line by line: a last line without its line
    // break (torn or cut off), lines that are not UTF-8, too long, blank or
    // hold control characters, repeats of a newer line, and whatever follows
    // the first kMaxHistoryEntries entries. Returns how many lines were
    // skipped.
    std::size_t Parse(std::string_view text);
    // The file's text; Parse gives the same entries back.
    std::string Text() const;

private:
    struct SEntry {
        std::string text;
        std::string folded;  // FoldCase(text), for completion
    };
    // Appends a clean entry unless it is already there or the list is full.
    void AppendOldest(std::string text);

    std::vector<SEntry> m_entries;  // newest first
};

// $XDG_STATE_HOME (or ~/.local/state when it is unset or not absolute)
// followed by kHistorySuffix.
std::string HistoryPath();

// The history file at one path. Reading takes at most kMaxHistoryFileBytes
// of a regular file and never blocks (a pipe or a device in its place is
// not read); a missing, unreadable or damaged file gives what it holds that
// is sound, possibly nothing. Writing replaces the file atomically, private
// to the user, creating its folder (0700) when needed.
class CHistoryFile {
public:
    explicit CHistoryFile(std::string path)
        : m_path(std::move(path))
    {}

    const std::string& Path() const { return m_path; }

    // Reads the file into `history`. False (and `history` left alone) when
    // there is a file that cannot be read as one: a folder, a pipe, no
    // permission, an I/O error. A missing file is an empty history.
    bool Load(CSearchHistory& history);
    // Like Load, but only when the file is not the one last read or written
    // here (another bar of the same user wrote it since); true when it read.
    bool Reload(CSearchHistory& history);
    bool Save(const CSearchHistory& history);

private:
    // What identifies one version of the file.
    struct SStamp {
        std::uint64_t device = 0, inode = 0, size = 0;
        std::int64_t modified = 0;  // nanoseconds
        bool operator==(const SStamp&) const = default;
    };
    bool CurrentStamp(SStamp& stamp) const;

    std::string m_path;
    SStamp m_seen;  // after the last read or write here
    bool m_haveSeen = false;
};
