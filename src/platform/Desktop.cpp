// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/Desktop.h"

#include <QGuiApplication>
#include <QScreen>

#include <algorithm>

QRect GetDesktopRect()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry() : QRect();
}

QPoint CenteredClearOf(const QSize& size, const QRect& area, const QRect& keepClear)
{
    // A little air between the bar and what opens below it.
    constexpr int kGap = 8;
    QRect placed(QPoint(0, 0), size);
    placed.moveCenter(area.center());
    placed.moveTop(std::max(placed.top(), area.top()));
    if (placed.intersects(keepClear)) placed.moveTop(keepClear.bottom() + 1 + kGap);
    return placed.topLeft();
}
