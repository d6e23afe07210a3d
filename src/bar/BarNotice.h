// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "bar/CompletionList.h"

#include <QString>
#include <QTimer>
#include <QWidget>

#include <chrono>

// How long a notice stays under the field.
inline constexpr std::chrono::milliseconds kNoticeDuration{4000};

// A short message under the query field, in the bar's colours and query
// font, where the list of earlier searches opens. A window of its own that
// never takes the keyboard; it goes after kNoticeDuration, or when the
// user types on.
class CBarNotice : public QWidget {
    Q_OBJECT

public:
    explicit CBarNotice(QWidget* owner);

    // Shows `text` under the look's anchor; a notice already up is replaced
    // and its time starts again.
    void ShowNotice(const QString& text, const SCompletionLook& look);
    QString Text() const { return m_text; }

signals:
    void hidden();

protected:
    void paintEvent(QPaintEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    QString m_text;
    SCompletionLook m_look;
    QTimer m_timer;
};
