// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "AtomicFile.h"

#include <cctype>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// mkstemp replaces this many X's of the template.
constexpr std::size_t kTempSuffixLength = 6;

// Writes go out in pieces of this size, so one huge image never asks the
// kernel for one huge copy.
constexpr std::size_t kChunk = 4096;

bool WriteAll(int fd, const std::uint8_t* data, std::size_t size)
{
    while (size > 0) {
        const std::size_t piece = size < kChunk ? size : kChunk;
        const ssize_t n = ::write(fd, data, piece);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        if (n == 0) return false;
        data += n;
        size -= static_cast<std::size_t>(n);
    }
    return true;
}

// A symbolic link is followed, so that the file it points at is replaced
// rather than the link itself.
std::string ResolveTarget(const std::string& path)
{
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return path;
    char* real = ::realpath(path.c_str(), nullptr);
    if (!real) return path;
    std::string resolved = real;
    std::free(real);
    return resolved;
}

std::string FolderOf(const std::string& path)
{
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

std::string BaseOf(const std::string& path)
{
    const auto slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// ".<base>.XXXXXX" in the same folder as the file it replaces.
std::string TempTemplate(const std::string& folder, const std::string& base)
{
    return (folder == "/" ? std::string() : folder) + "/." + base + "." + std::string(kTempSuffixLength, 'X');
}

bool IsTempNameOf(const char* entry, const std::string& base)
{
    const std::string prefix = "." + base + ".";
    const std::size_t length = std::strlen(entry);
    if (length != prefix.size() + kTempSuffixLength || std::strncmp(entry, prefix.c_str(), prefix.size()) != 0)
        return false;
    for (std::size_t i = prefix.size(); i < length; ++i) {
        if (!std::isalnum(static_cast<unsigned char>(entry[i]))) return false;
    }
    return true;
}

void SyncFolder(const std::string& folder)
{
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);  // best effort: the rename itself has already happened
    ::close(fd);
}

}  // namespace

bool WriteFileAtomically(const std::string& path, const std::uint8_t* data, std::size_t size)
{
    if (path.empty() || path.back() == '/') return false;
    const std::string target = ResolveTarget(path);

    // A file the user made read-only stays as it is, as an in-place write
    // would; replacing it by rename would quietly get around the protection.
    struct stat old {};
    const bool hadOld = ::stat(target.c_str(), &old) == 0;
    if (hadOld && ::access(target.c_str(), W_OK) != 0) return false;

    const std::string folder = FolderOf(target);
    std::string temp = TempTemplate(folder, BaseOf(target));

    const int fd = ::mkstemp(temp.data());
    if (fd < 0) return false;

    bool ok = true;
    // Keep the permissions of the file being replaced; a new file stays
    // private to the user (mkstemp's 0600).
    if (hadOld) ok = ::fchmod(fd, old.st_mode & 07777) == 0;
    ok = ok && WriteAll(fd, data, size);
    ok = ok && ::fsync(fd) == 0;
    if (::close(fd) != 0) ok = false;
    ok = ok && ::rename(temp.c_str(), target.c_str()) == 0;
    if (!ok) {
        ::unlink(temp.c_str());
        return false;
    }
    SyncFolder(folder);
    return true;
}

int RemoveInterruptedSaves(const std::string& path)
{
    if (path.empty() || path.back() == '/') return 0;
    const std::string folder = FolderOf(path);
    const std::string base = BaseOf(path);
    DIR* dir = ::opendir(folder.c_str());
    if (!dir) return 0;
    int removed = 0;
    while (const dirent* entry = ::readdir(dir)) {
        if (!IsTempNameOf(entry->d_name, base)) continue;
        // lstat, not stat: a link of that name is not ours to follow.
        const std::string candidate = (folder == "/" ? std::string() : folder) + "/" + entry->d_name;
        struct stat st {};
        if (::lstat(candidate.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) continue;
        if (::unlink(candidate.c_str()) == 0) ++removed;
    }
    ::closedir(dir);
    return removed;
}
