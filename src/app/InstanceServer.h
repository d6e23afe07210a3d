// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>

#include <memory>
#include <string>
#include <vector>

class QSocketNotifier;

// The bar's end of the socket later starts reach it through. Each peer may
// send one short word, or a search with its text; it is read without
// blocking, and a peer that sends anything else, too much, or nothing in
// time is dropped. A search's text is made one clean line first: it is only
// ever a query.
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
    void selectionRequested();
    void searchRequested(const std::string& query, bool privateWindow);

private:
    struct SPeer;
    void AcceptPeers();
    void ReadPeer(SPeer* peer);
    void DropPeer(SPeer* peer);

    int m_listenFd = -1;
    QSocketNotifier* m_listenNotifier = nullptr;
    std::vector<std::unique_ptr<SPeer>> m_peers;
};
