// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <QPoint>
#include <QString>
#include <QTimer>

class CAutoHide;
class QScreen;
class QWidget;

// Which monitor the bar hangs from. The bar lives on one monitor, its
// monitor: at start-up the one it was last dragged onto when that is there,
// else the primary. A drag carries it onto the monitor under the pointer.
// When monitors come and go or change, a bar whose monitor went away moves
// to the primary, and goes back at its old x when its monitor returns.
class CBarScreen : public QObject {
    Q_OBJECT

public:
    CBarScreen(QWidget* bar, CAutoHide& autoHide);

    // At start-up: the remembered monitor's name (empty for none), the
    // stored x and whether there was one. Returns the x to start at, and
    // gives auto hide its monitor's top.
    int Start(const QString& remembered, int storedLeft, bool stored);
    // Watches the monitors from now on.
    void Watch();

    // A drag's pointer at `screen` (the whole desktop's coordinates).
    void OnDragMove(const QPoint& screen);
    // The drag has let go: the bar stays where its monitor shows it.
    void OnDragEnd();

    // The monitor the bar hangs from now, and the one it was last dragged
    // onto (what lumora.ini keeps).
    QString Current() const { return m_current; }
    QString Remembered() const { return m_remembered; }

    // Puts the bar where the monitors of this moment say; what a change of
    // the monitors does, a little later.
    void Recheck();

private:
    void OnScreenAdded(QScreen* screen);

    QWidget* m_bar;
    CAutoHide& m_autoHide;
    QString m_current;
    QString m_remembered;
    // Where the bar goes back to when it returns: the remembered monitor, or
    // the one it started on when it was never dragged. Its x there while the
    // bar is away from it.
    QString m_home;
    int m_homeLeft = 0;
    // Several changes arrive for one unplug; the bar looks once after them.
    QTimer m_settle;
};
