// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// One bar per user and display. The first start takes a lock and listens on
// a local socket next to it; every later start finds the lock taken, hands
// its request over the socket and exits. A bar that dies, however it dies,
// drops the lock with its process, so a socket it leaves behind blocks
// nobody. Plain POSIX: the asking side runs before any Qt object exists.

#include <chrono>
#include <cstddef>
#include <string>
#include <string_view>

// Where the lock and the socket live for one display.
struct SInstancePaths {
    std::string folder;
    std::string lock;
    std::string socket;
};

// The part of a display name that tells displays apart, safe in a file
// name: ":0" and ":0.1" give "0", "host:10.0" gives "host_10".
std::string DisplayKey(std::string_view display);

// The display this process would show the bar on, from DISPLAY (X11, also
// under XWayland) or WAYLAND_DISPLAY.
std::string CurrentDisplayKey();

// $XDG_RUNTIME_DIR when it is set and ours, else a folder of our own under
// the temp dir, made 0700. Returns false, with `problem` set to one line,
// when no folder only this user can open is to be had.
bool FindInstancePaths(const std::string& displayKey, SInstancePaths& paths, std::string& problem);

// The words on the socket. Anything else is ignored. A search carries its
// text: the word, a space, the text's length in bytes and a newline, then
// the text itself ("search 4\nrust"), never more than kMaxSearchBytes.
enum class EInstanceMessage {
    None,
    Show,
    Quit,
    Selection,      // come down with the selected text
    Search,         // search the text
    PrivateSearch,  // search the text in a private window
};
// The longest first line (the word and the length).
inline constexpr std::size_t kMaxMessageBytes = 16;
// The longest text a search carries.
inline constexpr std::size_t kMaxPayloadBytes = 8 * 1024;
std::string_view MessageWord(EInstanceMessage message);  // "show\n", "quit\n", "selection\n"
// The whole message; empty for a search whose text is empty or too long.
std::string EncodeMessage(EInstanceMessage message, std::string_view payload = {});
inline constexpr std::string_view kAcknowledgement = "ok\n";

// Collects one message from the bytes a peer sends, never more than
// kMaxMessageBytes of its first line and kMaxPayloadBytes of its text; the
// first newline ends the first line, the announced length the text.
class CMessageReader {
public:
    enum class EState {
        Reading,
        Done,      // Message() says what it was (None for an unknown word)
        Overlong,  // no newline within the limit
    };
    EState Feed(std::string_view bytes);
    EState State() const { return m_state; }
    EInstanceMessage Message() const { return m_message; }
    // A search's text.
    const std::string& Payload() const { return m_payload; }

private:
    void EndFirstLine();

    std::string m_bytes;
    std::string m_payload;
    std::size_t m_payloadSize = 0;
    bool m_inPayload = false;
    EState m_state = EState::Reading;
    EInstanceMessage m_message = EInstanceMessage::None;
};

// The lock that makes a process the bar. Held until destruction (or the
// process's end); not inherited by the programs the bar starts.
class CInstanceLock {
public:
    CInstanceLock() = default;
    ~CInstanceLock();
    CInstanceLock(const CInstanceLock&) = delete;
    CInstanceLock& operator=(const CInstanceLock&) = delete;

    // Without waiting: true when this process now holds it.
    bool TryAcquire(const std::string& path);
    bool Held() const { return m_fd >= 0; }
    void Release();
    // The descriptor, -1 when not held: the front program hands it on.
    int Descriptor() const { return m_fd; }
    // Takes `fd`, an open descriptor of the lock at `path`, when taking the
    // lock through it works. On false `fd` stays the caller's.
    bool Adopt(int fd, const std::string& path);

private:
    int m_fd = -1;
};

// Whether nobody holds the lock at `path` right now.
bool LockIsFree(const std::string& path);

// Connects to the bar at `socketPath`, sends `message` and waits for its
// acknowledgement, all within `timeout`. False when nobody (of this user)
// answers.
bool SendToRunningBar(const std::string& socketPath, EInstanceMessage message, std::chrono::milliseconds timeout);
// The same with a search's text; false without sending when EncodeMessage
// cannot carry it.
bool SendToRunningBar(const std::string& socketPath, EInstanceMessage message, std::string_view payload,
                      std::chrono::milliseconds timeout);

// The bar's side: a listening, non-blocking socket at `socketPath` that only
// this user can open; a socket left there by a dead bar is replaced. -1 on
// failure.
int ListenForInstances(const std::string& socketPath);

// Accepts one waiting connection, non-blocking. Returns -1 when none waits;
// a peer of another user is closed at once and -1 is returned as well.
int AcceptSameUser(int listenFd);

// Reads what a non-blocking peer has sent into `reader`. False when the
// peer has hung up or failed.
bool ReadPeer(int fd, CMessageReader& reader);

// Best effort, never blocks.
void SendAcknowledgement(int fd);

void CloseDescriptor(int fd);
