// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QAbstractNativeEventFilter>
#include <QObject>
#include <QString>

#include <chrono>
#include <cstdint>
#include <functional>
#include <vector>

class QTimer;

// The text the user has selected in any program: the X primary selection,
// or, where nothing is selected, the clipboard's text; empty when neither
// holds text.
//
// Under X11 the program that owns a selection sends it when asked, and a
// hung owner never does: the request goes out without waiting, and what has
// not come within the time limit counts as nothing. On other platforms Qt's
// clipboard answers at once.
class CSelectionReader : public QObject, public QAbstractNativeEventFilter {
    Q_OBJECT

public:
    using Done = std::function<void(const QString& text)>;

    explicit CSelectionReader(QObject* parent = nullptr);
    ~CSelectionReader() override;

    // Calls `done` once with the text, on this thread: at once where the
    // platform answers at once, else when the owners have answered or
    // `limit` has passed. False, with `done` never called, while a read is
    // still under way.
    bool Read(Done done, std::chrono::milliseconds limit = std::chrono::milliseconds(1000));
    bool IsReading() const { return static_cast<bool>(m_done); }

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

private:
    struct SAsk {
        std::uint32_t selection = 0;
        std::uint32_t target = 0;
    };
    void AskNext();
    // Takes the property the owner has put the text in.
    void TakeProperty();
    void Finish(const QString& text);

    Done m_done;
    QTimer* m_limit = nullptr;
    std::uint32_t m_window = 0;
    std::uint32_t m_property = 0;
    std::uint32_t m_utf8 = 0;
    std::uint32_t m_incr = 0;
    std::vector<SAsk> m_asks;
    std::size_t m_next = 0;
    SAsk m_asking;
    bool m_incremental = false;
    QByteArray m_bytes;
};
