// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ReadFile.h"

#include <algorithm>
#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// First buffer when the file's size is not known beforehand (a pipe, a file
// under /proc); it doubles as needed.
constexpr std::size_t kUnknownSizeStart = 64 * 1024;

}  // namespace

EReadFile ReadFile(const std::string& path, std::vector<std::uint8_t>& bytes, std::size_t maxBytes)
{
    bytes.clear();
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return EReadFile::CannotOpen;

    std::size_t capacity = kUnknownSizeStart;
    struct stat st {};
    if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_size > 0)
        capacity = static_cast<std::size_t>(st.st_size) + 1;  // +1 sees the end without growing
    bytes.resize(std::min(capacity, maxBytes));

    std::size_t got = 0;
    EReadFile result = EReadFile::Read;
    while (got < maxBytes) {
        if (got == bytes.size()) bytes.resize(std::min(bytes.size() * 2, maxBytes));
        const ssize_t n = ::read(fd, bytes.data() + got, bytes.size() - got);
        if (n < 0) {
            if (errno == EINTR) continue;
            result = EReadFile::ReadFailed;
            break;
        }
        if (n == 0) break;
        got += static_cast<std::size_t>(n);
    }
    ::close(fd);
    bytes.resize(got);
    return result;
}
