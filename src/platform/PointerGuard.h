// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <QRect>

#include <array>

class QWidget;

// WORKAROUND: Xwayland 22.1 tells an X window nothing when the pointer
// leaves it for the bare desktop or a Wayland window: no leave, and the
// pointer query keeps answering the last point over the window. A pointer
// that has to cross another X window on its way out does bring the leave.
// So while the pointer is over the bar, three transparent bands of the
// bar's own lie along its left, right and bottom edges; the first one the
// pointer touches says that it has gone, and all three go away at once, so
// the pointer reaches whatever lies beneath.
class CPointerGuard : public QObject {
    Q_OBJECT

public:
    // How far the bands reach out from the bar's edges: wider than the
    // pointer's usual step between two events.
    static constexpr int kReach = 64;

    // The bands are windows of `owner`'s, gone with it.
    explicit CPointerGuard(QWidget* owner);

    // Whether this display needs a guard: an XWayland server. Asks the
    // server once.
    static bool Needed();

    // Puts the bands around `barRect` (screen coordinates), or moves them.
    void Surround(const QRect& barRect);
    void Withdraw();
    bool IsUp() const { return m_up; }
    // The screen rectangles of the left, right and bottom bands.
    std::array<QRect, 3> Bands() const;

signals:
    // The pointer has entered a band: it has left the bar.
    void Crossed();

private:
    void OnBandEntered();

    std::array<QWidget*, 3> m_bands{};
    QRect m_around;
    bool m_up = false;
};
