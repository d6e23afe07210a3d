// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>

#include <memory>
#include <vector>

class QSocketNotifier;

// The bar's end of the socket later starts reach it through. Each peer may
// send one short word; it is read without blocking, and a peer that sends
// anything else, too much, or nothing in time is dropped.
class CInstanceServer : public QObject {
    Q_OBJECT

public:
    // Takes over `listenFd` (closed with the server); -1 makes a server that
    // hears nothing.
    explicit CInstanceServer(int listenFd, QObject* parent = nullptr);
    ~CInstanceServer() override;

signals:
    void showRequested();
    void quitRequested();

private:
    struct SPeer;
    void AcceptPeers();
    void ReadPeer(SPeer* peer);
    void DropPeer(SPeer* peer);

    int m_listenFd = -1;
    QSocketNotifier* m_listenNotifier = nullptr;
    std::vector<std::unique_ptr<SPeer>> m_peers;
};
