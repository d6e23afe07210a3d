// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "store/SearchHistory.h"

#include "store/AtomicFile.h"
#include "store/DataFolder.h"
#include "store/Utf8Text.h"

#include <algorithm>
#include <cerrno>
#include <unordered_set>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

std::string_view TrimSpaces(std::string_view text)
{
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// Tabs may be typed or pasted into the field; every other control
// character would break the one-line-per-entry format or the display.
bool IsControl(char c)
{
    const auto byte = static_cast<unsigned char>(c);
    return (byte < 0x20 && c != '\t') || byte == 0x7F;
}

// One line of the file as an entry, or empty when the line is not one. A
// byte-order mark is taken only at the start of the file; inside an entry it
// would turn into one at the start of a file written later.
std::string_view EntryOfLine(std::string_view line)
{
    if (line.ends_with('\r')) line.remove_suffix(1);  // edited on another system
    if (line.size() > kMaxHistoryEntryBytes) return {};
    if (std::any_of(line.begin(), line.end(), IsControl) || !IsValidUtf8(line)) return {};
    if (line.find(kByteOrderMark) != std::string_view::npos) return {};
    return TrimSpaces(line);
}

// The folder part of a path, without the trailing slash.
std::string FolderOf(const std::string& path)
{
    const std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos || slash == 0 ? std::string() : path.substr(0, slash);
}

// Makes `folder` and its missing parents private to the user, as the base
// directory rules ask for new state folders. The file's own folder is made
// private even when it already exists: it is ours.
bool MakePrivateFolder(const std::string& folder)
{
    if (folder.empty()) return false;
    for (std::size_t slash = folder.find('/', 1); slash != std::string::npos; slash = folder.find('/', slash + 1))
        ::mkdir(folder.substr(0, slash).c_str(), 0700);  // existing parents stay as they are
    if (::mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST) return false;
    struct stat st {};
    if (::stat(folder.c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) return false;
    if ((st.st_mode & 0077) != 0 && st.st_uid == ::geteuid()) ::chmod(folder.c_str(), 0700);
    return true;
}

enum class EReadHistory {
    Read,
    Missing,
    Unreadable,
};

// At most `limit` bytes from the start of a regular file. Opening does not
// wait for a writer when a pipe is in the file's place.
EReadHistory ReadPrefix(const std::string& path, std::size_t limit, std::string& text)
{
    text.clear();
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) return errno == ENOENT ? EReadHistory::Missing : EReadHistory::Unreadable;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return EReadHistory::Unreadable;
    }
    text.resize(std::min(limit, static_cast<std::size_t>(std::max<off_t>(st.st_size, 0))));
    std::size_t got = 0;
    EReadHistory result = EReadHistory::Read;
    while (got < text.size()) {
        const ssize_t n = ::read(fd, text.data() + got, text.size() - got);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) result = EReadHistory::Unreadable;
        if (n <= 0) break;
        got += static_cast<std::size_t>(n);
    }
    ::close(fd);
    // A file that shrank while being read is taken as far as it went; its
    // torn last line is dropped by the parser.
    text.resize(got);
    return result;
}

}  // namespace

std::string HistoryEntryText(std::string_view query)
{
    std::string text;
    text.reserve(query.size());
    for (std::size_t i = 0; i < query.size(); ++i) {
        if (query.substr(i, kByteOrderMark.size()) == kByteOrderMark) {
            text += ' ';
            i += kByteOrderMark.size() - 1;
        } else {
            text += IsControl(query[i]) ? ' ' : query[i];
        }
    }
    const std::string_view trimmed = TrimSpaces(text);
    if (trimmed.empty() || trimmed.size() > kMaxHistoryEntryBytes || !IsValidUtf8(trimmed)) return {};
    return std::string(trimmed);
}

bool CSearchHistory::Add(std::string_view query)
{
    std::string text = HistoryEntryText(query);
    if (text.empty()) return false;
    const auto same = std::find_if(m_entries.begin(), m_entries.end(), [&](const SEntry& e) { return e.text == text; });
    if (same != m_entries.end()) {
        // Already kept: it only moves to the top.
        std::rotate(m_entries.begin(), same, same + 1);
        return true;
    }
    if (m_entries.size() >= kMaxHistoryEntries) m_entries.resize(kMaxHistoryEntries - 1);
    std::string folded = FoldCase(text);
    m_entries.insert(m_entries.begin(), SEntry{std::move(text), std::move(folded)});
    return true;
}

bool CSearchHistory::Remove(std::string_view text)
{
    const auto found =
        std::find_if(m_entries.begin(), m_entries.end(), [&](const SEntry& e) { return e.text == text; });
    if (found == m_entries.end()) return false;
    m_entries.erase(found);
    return true;
}

std::vector<std::string> CSearchHistory::Complete(std::string_view typed, std::size_t limit) const
{
    std::vector<std::string> matches;
    const std::size_t first = typed.find_first_not_of(' ');
    if (first == std::string_view::npos) return matches;
    const std::string key = FoldCase(typed.substr(first));
    for (const SEntry& entry : m_entries) {
        if (matches.size() >= limit) break;
        if (entry.folded.starts_with(key)) matches.push_back(entry.text);
    }
    return matches;
}

void CSearchHistory::AppendOldest(std::string text)
{
    std::string folded = FoldCase(text);
    m_entries.push_back(SEntry{std::move(text), std::move(folded)});
}

std::size_t CSearchHistory::Parse(std::string_view text)
{
    m_entries.clear();
    if (text.starts_with(kByteOrderMark)) text.remove_prefix(kByteOrderMark.size());
    std::unordered_set<std::string_view> seen;
    std::size_t skipped = 0;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        if (end == std::string_view::npos) {
            ++skipped;  // no line break: torn, or cut off by the read limit
            break;
        }
        const std::string_view entry = EntryOfLine(text.substr(0, end));
        text.remove_prefix(end + 1);
        if (entry.empty() || !seen.insert(entry).second) {
            ++skipped;
            continue;
        }
        // Past the cap there is nothing more to take.
        if (m_entries.size() >= kMaxHistoryEntries) {
            ++skipped;
            break;
        }
        AppendOldest(std::string(entry));
    }
    return skipped;
}

std::string CSearchHistory::Text() const
{
    std::string text;
    for (const SEntry& entry : m_entries) {
        text += entry.text;
        text += '\n';
    }
    return text;
}

std::string HistoryPath()
{
    return GetStatePath(kHistorySuffix);
}

bool CHistoryFile::CurrentStamp(SStamp& stamp) const
{
    struct stat st {};
    if (::stat(m_path.c_str(), &st) != 0) return false;
    stamp.device = static_cast<std::uint64_t>(st.st_dev);
    stamp.inode = static_cast<std::uint64_t>(st.st_ino);
    stamp.size = static_cast<std::uint64_t>(st.st_size);
    stamp.modified = static_cast<std::int64_t>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
    return true;
}

bool CHistoryFile::Load(CSearchHistory& history)
{
    std::string text;
    switch (ReadPrefix(m_path, kMaxHistoryFileBytes, text)) {
    case EReadHistory::Unreadable: return false;
    case EReadHistory::Missing: history.Clear(); break;
    case EReadHistory::Read: history.Parse(text); break;
    }
    m_haveSeen = CurrentStamp(m_seen);
    return true;
}

bool CHistoryFile::Reload(CSearchHistory& history)
{
    SStamp now;
    if (!CurrentStamp(now)) {
        // Gone since we saw it: deleted from outside, which empties it.
        if (!m_haveSeen) return false;
        history.Clear();
        m_haveSeen = false;
        return true;
    }
    if (m_haveSeen && now == m_seen) return false;
    return Load(history);
}

bool CHistoryFile::Save(const CSearchHistory& history)
{
    if (!MakePrivateFolder(FolderOf(m_path))) return false;
    // The atomic write keeps the mode of the file it replaces; this one is
    // never for other eyes, whatever else the user set.
    struct stat st {};
    if (::stat(m_path.c_str(), &st) == 0 && S_ISREG(st.st_mode) && (st.st_mode & 0077) != 0)
        ::chmod(m_path.c_str(), st.st_mode & 0700);
    const std::string text = history.Text();
    if (!WriteFileAtomically(m_path, reinterpret_cast<const std::uint8_t*>(text.data()), text.size())) return false;
    m_haveSeen = CurrentStamp(m_seen);
    return true;
}
