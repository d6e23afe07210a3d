// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/TerminationSignals.h"

#include <QPointer>
#include <QSocketNotifier>

#include <array>
#include <cerrno>
#include <csignal>
#include <cstddef>
#include <vector>

#include <sys/socket.h>
#include <unistd.h>

namespace {

constexpr std::array<int, 3> kWatched = {SIGTERM, SIGHUP, SIGINT};

// Read by the handlers: set before they are installed, cleared after they
// are gone.
volatile std::sig_atomic_t g_writeEnd = -1;
std::array<struct sigaction, kWatched.size()> g_previous{};
std::array<bool, kWatched.size()> g_installed{};

// Only async-signal-safe calls here. A full socket already holds a pending
// wake-up, so a failed write loses nothing that matters.
void OnSignal(int number)
{
    const int savedErrno = errno;
    const unsigned char byte = static_cast<unsigned char>(number);
    if (::write(g_writeEnd, &byte, 1) < 0) {
        // Nothing to do: see above.
    }
    errno = savedErrno;
}

bool KeepIgnored(int number, const struct sigaction& current)
{
    return number == SIGHUP && current.sa_handler == SIG_IGN;
}

}  // namespace

CTerminationSignals::CTerminationSignals(QObject* parent)
    : QObject(parent)
{
    if (g_writeEnd >= 0) return;
    int ends[2];
    // Close-on-exec: the browser launcher's children must not hold the pair.
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0, ends) != 0) return;
    m_readEnd = ends[0];
    g_writeEnd = ends[1];

    m_notifier = new QSocketNotifier(m_readEnd, QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &CTerminationSignals::Drain);

    struct sigaction action {};
    action.sa_handler = OnSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (std::size_t i = 0; i < kWatched.size(); ++i) {
        struct sigaction current {};
        sigaction(kWatched[i], nullptr, &current);
        if (KeepIgnored(kWatched[i], current)) continue;
        g_installed[i] = sigaction(kWatched[i], &action, &g_previous[i]) == 0;
    }
}

CTerminationSignals::~CTerminationSignals()
{
    if (m_readEnd < 0) return;
    // Handlers first, so that none of them writes into a closed descriptor.
    for (std::size_t i = 0; i < kWatched.size(); ++i) {
        if (g_installed[i]) sigaction(kWatched[i], &g_previous[i], nullptr);
        g_installed[i] = false;
    }
    delete m_notifier;
    ::close(static_cast<int>(g_writeEnd));
    g_writeEnd = -1;
    ::close(m_readEnd);
}

void CTerminationSignals::Drain()
{
    // Everything pending is read before anyone hears of it: a receiver may
    // well destroy this object.
    std::vector<int> received;
    std::array<unsigned char, 64> bytes{};
    for (;;) {
        const ssize_t n = ::read(m_readEnd, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        received.insert(received.end(), bytes.begin(), bytes.begin() + n);
    }
    const QPointer<CTerminationSignals> alive(this);
    for (const int number : received) {
        if (!alive) return;
        emit Requested(number);
    }
}
