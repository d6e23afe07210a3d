// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "bar/BarScreen.h"

#include "bar/AutoHide.h"
#include "platform/MonitorPlacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <chrono>

namespace {

// Well within the second the bar has to find its place again.
constexpr std::chrono::milliseconds kSettleDelay{150};

}  // namespace

CBarScreen::CBarScreen(QWidget* bar, CAutoHide& autoHide)
    : QObject(bar),
      m_bar(bar),
      m_autoHide(autoHide)
{
    m_settle.setSingleShot(true);
    m_settle.setInterval(kSettleDelay);
    connect(&m_settle, &QTimer::timeout, this, &CBarScreen::Recheck);
}

int CBarScreen::Start(const QString& remembered, int storedLeft, bool stored)
{
    m_remembered = remembered;
    const std::vector<SMonitor> monitors = CurrentMonitors();
    const int chosen = ChooseMonitor(monitors, remembered);
    if (chosen < 0) return storedLeft;
    const SMonitor& monitor = monitors[static_cast<std::size_t>(chosen)];
    int left = storedLeft;
    // The first start centres on the primary.
    if (!stored)
        left = CenterOnMonitor(monitors[static_cast<std::size_t>(ChooseMonitor(monitors, {}))].rect, m_bar->width());
    left = CheckedLeft(left, monitor.rect, m_bar->width());
    m_current = monitor.name;
    m_home = monitor.name;
    m_homeLeft = left;
    m_autoHide.SetMonitorTop(monitor.rect.top());
    return left;
}

void CBarScreen::Watch()
{
    auto settle = [this] { m_settle.start(); };
    connect(qApp, &QGuiApplication::screenAdded, this, &CBarScreen::OnScreenAdded);
    connect(qApp, &QGuiApplication::screenRemoved, this, settle);
    connect(qApp, &QGuiApplication::primaryScreenChanged, this, settle);
    for (QScreen* screen : QGuiApplication::screens()) connect(screen, &QScreen::geometryChanged, this, settle);
}

void CBarScreen::OnScreenAdded(QScreen* screen)
{
    connect(screen, &QScreen::geometryChanged, this, [this] { m_settle.start(); });
    m_settle.start();
}

// A drag never changes the monitor the bar is on while the pointer is in a
// gap between monitors: the bar stays on the last one it was on.
void CBarScreen::OnDragMove(const QPoint& screen)
{
    const std::vector<SMonitor> monitors = CurrentMonitors();
    const int under = MonitorAt(monitors, screen);
    if (under < 0) return;
    const SMonitor& monitor = monitors[static_cast<std::size_t>(under)];
    m_remembered = monitor.name;
    m_home = monitor.name;
    if (monitor.name == m_current && monitor.rect.top() == m_autoHide.MonitorTop()) return;
    m_current = monitor.name;
    m_autoHide.SetMonitorTop(monitor.rect.top());
}

void CBarScreen::OnDragEnd()
{
    const std::vector<SMonitor> monitors = CurrentMonitors();
    for (const SMonitor& monitor : monitors) {
        if (monitor.name != m_current) continue;
        const int left = LeftAfterDrag(m_autoHide.Left(), monitor.rect, m_bar->width());
        if (left != m_autoHide.Left()) m_autoHide.MoveTo(left, monitor.rect.top());
        return;
    }
}

void CBarScreen::Recheck()
{
    const std::vector<SMonitor> monitors = CurrentMonitors();
    if (monitors.empty()) return;
    const int width = m_bar->width();
    // Its home monitor first, then the one the bar is on, then the primary.
    int target = -1;
    for (const QString& name : {m_home, m_current}) {
        if (target >= 0 || name.isEmpty()) continue;
        for (int i = 0; i < static_cast<int>(monitors.size()); ++i) {
            if (monitors[static_cast<std::size_t>(i)].name == name) target = i;
        }
    }
    if (target < 0) target = ChooseMonitor(monitors, {});
    const SMonitor& monitor = monitors[static_cast<std::size_t>(target)];

    int left = m_autoHide.Left();
    if (monitor.name != m_current && monitor.name == m_home) left = m_homeLeft;
    if (m_current == m_home && monitor.name != m_current) m_homeLeft = m_autoHide.Left();
    left = CheckedLeft(left, monitor.rect, width);
    m_current = monitor.name;
    if (left != m_autoHide.Left() || monitor.rect.top() != m_autoHide.MonitorTop())
        m_autoHide.MoveTo(left, monitor.rect.top());
}
