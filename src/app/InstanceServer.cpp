// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/InstanceServer.h"

#include "instance/CommandLine.h"
#include "instance/InstanceChannel.h"
#include "store/QueryText.h"

#include <QSocketNotifier>
#include <QTimer>

#include <algorithm>

namespace {

// A start that is still sending after this is not a start of ours.
constexpr int kPeerTimeoutMs = 1000;
// More waiting peers than this at once are turned away.
constexpr std::size_t kMaxPeers = 8;

}  // namespace

// The notifier and the timer are children of the server: a peer may be
// dropped from inside their own signals, so they go by deleteLater.
struct CInstanceServer::SPeer {
    int fd = -1;
    CMessageReader reader;
    QSocketNotifier* notifier = nullptr;
    QTimer* timeout = nullptr;
};

CInstanceServer::CInstanceServer(int listenFd, QObject* parent)
    : QObject(parent),
      m_listenFd(listenFd)
{
    if (m_listenFd < 0) return;
    m_listenNotifier = new QSocketNotifier(m_listenFd, QSocketNotifier::Read, this);
    connect(m_listenNotifier, &QSocketNotifier::activated, this, &CInstanceServer::AcceptPeers);
}

CInstanceServer::~CInstanceServer()
{
    while (!m_peers.empty()) DropPeer(m_peers.back().get());
    delete m_listenNotifier;
    CloseDescriptor(m_listenFd);
}

void CInstanceServer::AcceptPeers()
{
    for (;;) {
        const int fd = AcceptSameUser(m_listenFd);
        if (fd < 0) return;
        if (m_peers.size() >= kMaxPeers) {
            CloseDescriptor(fd);
            continue;
        }
        auto peer = std::make_unique<SPeer>();
        SPeer* raw = peer.get();
        raw->fd = fd;
        raw->notifier = new QSocketNotifier(fd, QSocketNotifier::Read, this);
        connect(raw->notifier, &QSocketNotifier::activated, this, [this, raw] { ReadPeer(raw); });
        raw->timeout = new QTimer(this);
        raw->timeout->setSingleShot(true);
        connect(raw->timeout, &QTimer::timeout, this, [this, raw] { DropPeer(raw); });
        raw->timeout->start(kPeerTimeoutMs);
        m_peers.push_back(std::move(peer));
        // The word usually came with the connection.
        ReadPeer(raw);
    }
}

void CInstanceServer::ReadPeer(SPeer* peer)
{
    const bool open = ::ReadPeer(peer->fd, peer->reader);
    const CMessageReader::EState state = peer->reader.State();
    if (state == CMessageReader::EState::Reading && open) return;

    const EInstanceMessage message =
        state == CMessageReader::EState::Done ? peer->reader.Message() : EInstanceMessage::None;
    const std::string query = message == EInstanceMessage::Search || message == EInstanceMessage::PrivateSearch
                                  ? CleanQueryText(peer->reader.Payload(), kMaxSearchBytes)
                                  : std::string();
    if (message != EInstanceMessage::None) SendAcknowledgement(peer->fd);
    DropPeer(peer);
    // After the peer is gone: a quit may end the bar's loop at once.
    switch (message) {
    case EInstanceMessage::Show: emit showRequested(); break;
    case EInstanceMessage::Quit: emit quitRequested(); break;
    case EInstanceMessage::Selection: emit selectionRequested(); break;
    case EInstanceMessage::Search:
    case EInstanceMessage::PrivateSearch:
        // Nothing but control characters is nothing to search for.
        if (!query.empty()) emit searchRequested(query, message == EInstanceMessage::PrivateSearch);
        break;
    case EInstanceMessage::None: break;
    }
}

void CInstanceServer::DropPeer(SPeer* peer)
{
    const auto it = std::find_if(m_peers.begin(), m_peers.end(), [peer](const auto& p) { return p.get() == peer; });
    if (it == m_peers.end()) return;
    std::unique_ptr<SPeer> gone = std::move(*it);
    m_peers.erase(it);
    gone->notifier->setEnabled(false);
    gone->notifier->deleteLater();
    gone->timeout->stop();
    gone->timeout->deleteLater();
    CloseDescriptor(gone->fd);
}
