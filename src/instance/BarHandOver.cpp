// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "instance/BarHandOver.h"

#include <cerrno>
#include <charconv>
#include <climits>
#include <cstdlib>
#include <cstring>

#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

bool IsExecutableFile(const std::string& path)
{
    struct stat info {};
    return stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) && access(path.c_str(), X_OK) == 0;
}

std::string FolderOf(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? std::string("/") : path.substr(0, slash);
}

bool SetCloseOnExec(int fd, bool close)
{
    const int flags = fcntl(fd, F_GETFD);
    if (flags < 0) return false;
    return fcntl(fd, F_SETFD, close ? (flags | FD_CLOEXEC) : (flags & ~FD_CLOEXEC)) == 0;
}

bool ParseDescriptor(std::string_view text, int& fd)
{
    if (text.empty()) return false;
    const char* end = text.data() + text.size();
    const auto [rest, error] = std::from_chars(text.data(), end, fd);
    return error == std::errc() && rest == end && fd > STDERR_FILENO;
}

// A stream socket of our own that listens at `path`.
bool ListensAt(int fd, const std::string& path)
{
    struct stat info {};
    if (fstat(fd, &info) != 0 || !S_ISSOCK(info.st_mode)) return false;
    int listening = 0;
    socklen_t size = sizeof listening;
    if (getsockopt(fd, SOL_SOCKET, SO_ACCEPTCONN, &listening, &size) != 0 || !listening) return false;
    sockaddr_un address{};
    socklen_t length = sizeof address;
    if (getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length) != 0 || address.sun_family != AF_UNIX)
        return false;
    return std::strncmp(address.sun_path, path.c_str(), sizeof address.sun_path) == 0;
}

}  // namespace

std::string SelfExecutable()
{
    char buffer[PATH_MAX];
    const ssize_t length = readlink("/proc/self/exe", buffer, sizeof buffer - 1);
    if (length <= 0) return {};
    return std::string(buffer, static_cast<std::size_t>(length));
}

std::string FindBarProgram(const std::string& selfPath, const std::string& installedRelative)
{
    if (selfPath.empty()) return {};
    const std::string folder = FolderOf(selfPath);
    const std::string besides = folder + "/" + std::string(kBarProgramName);
    if (IsExecutableFile(besides)) return besides;
    if (installedRelative.empty()) return {};
    const std::string installed =
        installedRelative.starts_with('/') ? installedRelative : folder + "/" + installedRelative;
    return IsExecutableFile(installed) ? installed : std::string();
}

void ExecBar(const std::string& program, char* const argv[], int lockFd, int listenFd, std::string& problem)
{
    std::string value = std::to_string(lockFd) + "," + std::to_string(listenFd);
    const bool kept = SetCloseOnExec(lockFd, false) && (listenFd < 0 || SetCloseOnExec(listenFd, false));
    if (kept && setenv(kInheritedInstanceVariable, value.c_str(), 1) == 0) execv(program.c_str(), argv);
    const int error = errno;
    unsetenv(kInheritedInstanceVariable);
    SetCloseOnExec(lockFd, true);
    if (listenFd >= 0) SetCloseOnExec(listenFd, true);
    problem = "lumora: cannot start " + program + ": " + std::strerror(error);
}

bool ParseInheritedDescriptors(std::string_view text, int& lockFd, int& listenFd)
{
    const std::size_t comma = text.find(',');
    if (comma == std::string_view::npos) return false;
    int lock = -1;
    int listen = -1;
    if (!ParseDescriptor(text.substr(0, comma), lock)) return false;
    const std::string_view second = text.substr(comma + 1);
    if (second != "-1" && !ParseDescriptor(second, listen)) return false;
    if (lock == listen) return false;
    lockFd = lock;
    listenFd = listen;
    return true;
}

bool AdoptHandedOver(const SInstancePaths& paths, CInstanceLock& lock, int& listenFd)
{
    listenFd = -1;
    const char* value = std::getenv(kInheritedInstanceVariable);
    const std::string text = value ? value : "";
    // Programs the bar starts must not see it.
    unsetenv(kInheritedInstanceVariable);
    int lockFd = -1;
    int socketFd = -1;
    if (text.empty() || !ParseInheritedDescriptors(text, lockFd, socketFd)) return false;
    if (!lock.Adopt(lockFd, paths.lock)) return false;
    SetCloseOnExec(lockFd, true);
    if (socketFd >= 0 && ListensAt(socketFd, paths.socket)) {
        SetCloseOnExec(socketFd, true);
        listenFd = socketFd;
    }
    return true;
}
