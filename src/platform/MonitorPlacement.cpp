// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/MonitorPlacement.h"

#include <QGuiApplication>
#include <QScreen>

std::vector<SMonitor> CurrentMonitors()
{
    std::vector<SMonitor> monitors;
    const QScreen* primary = QGuiApplication::primaryScreen();
    for (const QScreen* screen : QGuiApplication::screens())
        monitors.push_back({screen->name(), screen->geometry(), screen == primary});
    return monitors;
}

int ChooseMonitor(const std::vector<SMonitor>& monitors, const QString& wanted)
{
    const int count = static_cast<int>(monitors.size());
    for (int i = 0; i < count && !wanted.isEmpty(); ++i) {
        if (monitors[i].name == wanted) return i;
    }
    for (int i = 0; i < count; ++i) {
        if (monitors[i].primary) return i;
    }
    return count > 0 ? 0 : -1;
}

int MonitorAt(const std::vector<SMonitor>& monitors, const QPoint& point)
{
    for (int i = 0; i < static_cast<int>(monitors.size()); ++i) {
        if (monitors[i].rect.contains(point)) return i;
    }
    return -1;
}

int CenterOnMonitor(const QRect& monitor, int barWidth)
{
    // The same integer arithmetic as on a single desktop, from the left edge.
    return monitor.left() + monitor.width() / 2 - barWidth / 2;
}

int CheckedLeft(int left, const QRect& monitor, int barWidth)
{
    // At least this many pixels of the bar stay on the monitor.
    constexpr int kMinVisible = 50;
    const long long offset = static_cast<long long>(left) - monitor.left();
    if (offset < 0 || offset > monitor.width() - kMinVisible) return CenterOnMonitor(monitor, barWidth);
    return left;
}

int LeftAfterDrag(int left, const QRect& monitor, int barWidth)
{
    if (static_cast<long long>(left) + barWidth <= monitor.left()) return monitor.left();
    if (left > monitor.right()) return monitor.right() + 1 - barWidth;
    return left;
}
