// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>

class QSocketNotifier;

// Turns SIGTERM, SIGHUP and SIGINT into the Qt signal Requested, emitted on
// the thread that made the object, from its event loop. The handlers only
// write the signal's number into a socket pair; a notifier on the other end
// reads it. One object at a time; the previous handlers come back when it is
// destroyed.
//
// A SIGHUP that was ignored when the object was made (nohup) stays ignored.
// SIGINT is taken even when ignored: shells start every background job with
// it ignored, and `kill -INT` should still close such a bar properly.
class CTerminationSignals : public QObject {
    Q_OBJECT

public:
    explicit CTerminationSignals(QObject* parent = nullptr);
    ~CTerminationSignals() override;

    // False when the socket pair could not be made (or another object is
    // already watching): the signals then keep their previous handling.
    bool IsWatching() const { return m_readEnd >= 0; }

signals:
    // Once per signal received.
    void Requested(int signalNumber);

private:
    void Drain();

    int m_readEnd = -1;
    QSocketNotifier* m_notifier = nullptr;
};
