// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "instance/InstanceChannel.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>

#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

std::string_view Env(const char* name)
{
    const char* value = std::getenv(name);
    return value ? std::string_view(value) : std::string_view();
}

// A folder only we can enter: ours, a real directory (not a link), no
// access for group or others.
bool IsPrivateFolder(const std::string& path)
{
    struct stat info {};
    if (lstat(path.c_str(), &info) != 0) return false;
    return S_ISDIR(info.st_mode) && info.st_uid == geteuid() && (info.st_mode & 077) == 0;
}

bool FitsSocketAddress(const std::string& path)
{
    return path.size() < sizeof(sockaddr_un{}.sun_path);
}

bool MakeAddress(const std::string& path, sockaddr_un& address)
{
    if (!FitsSocketAddress(path)) return false;
    std::memset(&address, 0, sizeof address);
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    return true;
}

bool PeerIsSameUser(int fd)
{
    ucred credentials{};
    socklen_t size = sizeof credentials;
    if (getsockopt(fd, SOL_SOCKET, SO_PEERCRED, &credentials, &size) != 0) return false;
    return credentials.uid == geteuid();
}

int MillisecondsUntil(Clock::time_point end)
{
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(end - Clock::now()).count();
    return left > 0 ? static_cast<int>(left) : 0;
}

bool WriteAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t written = send(fd, bytes.data(), bytes.size(), MSG_NOSIGNAL);
        if (written < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// Waits for the acknowledgement; the bar closes the connection after it.
bool ReadAcknowledgement(int fd, Clock::time_point end)
{
    std::string received;
    char buffer[8];
    while (received.size() < kAcknowledgement.size()) {
        pollfd waiting{fd, POLLIN, 0};
        const int ready = poll(&waiting, 1, MillisecondsUntil(end));
        if (ready < 0 && errno == EINTR) continue;
        if (ready <= 0) return false;
        const ssize_t got = recv(fd, buffer, sizeof buffer, 0);
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0) return false;
        received.append(buffer, static_cast<std::size_t>(got));
    }
    return received.starts_with(kAcknowledgement);
}

}  // namespace

std::string DisplayKey(std::string_view display)
{
    // The screen number after the display number names a screen of the
    // same display: ":0.1" is ":0".
    const std::size_t colon = display.rfind(':');
    if (colon != std::string_view::npos) {
        const std::size_t dot = display.find('.', colon);
        if (dot != std::string_view::npos) display = display.substr(0, dot);
    }
    std::string key;
    for (char c : display) {
        const bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-';
        key += plain ? c : '_';
    }
    while (key.starts_with('_')) key.erase(0, 1);
    return key.empty() ? std::string("none") : key;
}

std::string CurrentDisplayKey()
{
    if (!Env("DISPLAY").empty()) return "x" + DisplayKey(Env("DISPLAY"));
    if (!Env("WAYLAND_DISPLAY").empty()) return "wl" + DisplayKey(Env("WAYLAND_DISPLAY"));
    return "none";
}

bool FindInstancePaths(const std::string& displayKey, SInstancePaths& paths, std::string& problem)
{
    const std::string name = "/lumora-" + displayKey;
    const std::string runtime(Env("XDG_RUNTIME_DIR"));
    if (runtime.starts_with('/') && IsPrivateFolder(runtime) && FitsSocketAddress(runtime + name + ".socket")) {
        paths = {runtime, runtime + name + ".lock", runtime + name + ".socket"};
        return true;
    }

    std::string temp(Env("TMPDIR"));
    if (!temp.starts_with('/')) temp = "/tmp";
    const std::string folder = temp + "/lumora-" + std::to_string(geteuid());
    if (mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST) {
        problem = "lumora: cannot create the folder " + folder + ": " + std::strerror(errno);
        return false;
    }
    if (!IsPrivateFolder(folder)) {
        problem = "lumora: " + folder + " is not a private folder of this user; remove it and start again";
        return false;
    }
    if (!FitsSocketAddress(folder + name + ".socket")) {
        problem = "lumora: the path " + folder + " is too long for a local socket";
        return false;
    }
    paths = {folder, folder + name + ".lock", folder + name + ".socket"};
    return true;
}

namespace {

// The words whose message carries a text.
std::string_view PayloadWord(EInstanceMessage message)
{
    switch (message) {
    case EInstanceMessage::Search: return "search";
    case EInstanceMessage::PrivateSearch: return "private";
    case EInstanceMessage::None:
    case EInstanceMessage::Show:
    case EInstanceMessage::Quit:
    case EInstanceMessage::Selection: break;
    }
    return {};
}

// "1" to "8192": digits only, no sign, no leading zero.
bool ParseLength(std::string_view digits, std::size_t& length)
{
    if (digits.empty() || digits.size() > 5 || digits.front() == '0') return false;
    length = 0;
    for (char c : digits) {
        if (c < '0' || c > '9') return false;
        length = length * 10 + static_cast<std::size_t>(c - '0');
    }
    return length <= kMaxPayloadBytes;
}

}  // namespace

std::string_view MessageWord(EInstanceMessage message)
{
    switch (message) {
    case EInstanceMessage::Show: return "show\n";
    case EInstanceMessage::Quit: return "quit\n";
    case EInstanceMessage::Selection: return "selection\n";
    case EInstanceMessage::None:
    case EInstanceMessage::Search:
    case EInstanceMessage::PrivateSearch: break;
    }
    return {};
}

std::string EncodeMessage(EInstanceMessage message, std::string_view payload)
{
    const std::string_view word = PayloadWord(message);
    if (word.empty()) return std::string(MessageWord(message));
    if (payload.empty() || payload.size() > kMaxPayloadBytes) return {};
    std::string encoded(word);
    encoded += ' ';
    encoded += std::to_string(payload.size());
    encoded += '\n';
    encoded += payload;
    return encoded;
}

CMessageReader::EState CMessageReader::Feed(std::string_view bytes)
{
    if (m_state != EState::Reading) return m_state;
    if (!m_inPayload) {
        const std::size_t newline = bytes.find('\n');
        const std::string_view part = bytes.substr(0, newline == std::string_view::npos ? bytes.size() : newline + 1);
        if (m_bytes.size() + part.size() > kMaxMessageBytes) {
            m_state = EState::Overlong;
            return m_state;
        }
        m_bytes.append(part);
        if (newline == std::string_view::npos) return m_state;
        bytes.remove_prefix(part.size());
        EndFirstLine();
        if (!m_inPayload) return m_state;
    }
    // Bytes after the announced text are not read.
    m_payload.append(bytes.substr(0, m_payloadSize - m_payload.size()));
    if (m_payload.size() == m_payloadSize) m_state = EState::Done;
    return m_state;
}

void CMessageReader::EndFirstLine()
{
    m_state = EState::Done;
    for (EInstanceMessage known : {EInstanceMessage::Show, EInstanceMessage::Quit, EInstanceMessage::Selection}) {
        if (m_bytes == MessageWord(known)) m_message = known;
    }
    const std::string_view line = std::string_view(m_bytes).substr(0, m_bytes.size() - 1);
    const std::size_t space = line.find(' ');
    if (space == std::string_view::npos) return;
    for (EInstanceMessage known : {EInstanceMessage::Search, EInstanceMessage::PrivateSearch}) {
        if (line.substr(0, space) == PayloadWord(known) && ParseLength(line.substr(space + 1), m_payloadSize)) {
            m_message = known;
            m_inPayload = true;
            m_state = EState::Reading;
        }
    }
}

CInstanceLock::~CInstanceLock()
{
    Release();
}

bool CInstanceLock::TryAcquire(const std::string& path)
{
    if (m_fd >= 0) return true;
    const int fd = open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd < 0) return false;
    if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
        close(fd);
        return false;
    }
    m_fd = fd;
    return true;
}

bool CInstanceLock::Adopt(int fd, const std::string& path)
{
    if (m_fd >= 0 || fd < 0) return false;
    struct stat opened {};
    struct stat named {};
    if (fstat(fd, &opened) != 0 || !S_ISREG(opened.st_mode)) return false;
    if (lstat(path.c_str(), &named) != 0 || !S_ISREG(named.st_mode)) return false;
    if (opened.st_dev != named.st_dev || opened.st_ino != named.st_ino) return false;
    // Succeeds at once when this open file already holds the lock.
    if (flock(fd, LOCK_EX | LOCK_NB) != 0) return false;
    m_fd = fd;
    return true;
}

void CInstanceLock::Release()
{
    if (m_fd < 0) return;
    close(m_fd);  // drops the lock
    m_fd = -1;
}

bool LockIsFree(const std::string& path)
{
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
    if (fd < 0) return errno == ENOENT;
    const bool free = flock(fd, LOCK_SH | LOCK_NB) == 0;
    close(fd);
    return free;
}

bool SendToRunningBar(const std::string& socketPath, EInstanceMessage message, std::chrono::milliseconds timeout)
{
    return SendToRunningBar(socketPath, message, {}, timeout);
}

bool SendToRunningBar(const std::string& socketPath, EInstanceMessage message, std::string_view payload,
                      std::chrono::milliseconds timeout)
{
    const std::string encoded = EncodeMessage(message, payload);
    if (encoded.empty()) return false;
    const Clock::time_point end = Clock::now() + timeout;
    sockaddr_un address{};
    if (!MakeAddress(socketPath, address)) return false;

    const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) return false;
    bool answered = false;
    if (connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0 && PeerIsSameUser(fd) &&
        WriteAll(fd, encoded))
        answered = ReadAcknowledgement(fd, end);
    close(fd);
    return answered;
}

int ListenForInstances(const std::string& socketPath)
{
    sockaddr_un address{};
    if (!MakeAddress(socketPath, address)) return -1;
    // Only the holder of the lock comes here, so whatever is at the path
    // was left by a bar that has died.
    unlink(socketPath.c_str());

    const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0) return -1;
    // The folder is private already; the socket's own mode says so again.
    const mode_t oldMask = umask(077);
    const bool bound = bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    umask(oldMask);
    if (!bound || listen(fd, 16) != 0) {
        close(fd);
        return -1;
    }
    return fd;
}

int AcceptSameUser(int listenFd)
{
    const int fd = accept4(listenFd, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
    if (fd < 0) return -1;
    if (!PeerIsSameUser(fd)) {
        close(fd);
        return -1;
    }
    return fd;
}

bool ReadPeer(int fd, CMessageReader& reader)
{
    char buffer[1024];
    for (;;) {
        const ssize_t got = recv(fd, buffer, sizeof buffer, 0);
        if (got > 0) {
            if (reader.Feed(std::string_view(buffer, static_cast<std::size_t>(got))) != CMessageReader::EState::Reading)
                return true;
            continue;
        }
        if (got < 0 && errno == EINTR) continue;
        if (got < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) return true;
        return false;  // hung up, or failed
    }
}

void SendAcknowledgement(int fd)
{
    send(fd, kAcknowledgement.data(), kAcknowledgement.size(), MSG_NOSIGNAL | MSG_DONTWAIT);
}

void CloseDescriptor(int fd)
{
    if (fd >= 0) close(fd);
}
