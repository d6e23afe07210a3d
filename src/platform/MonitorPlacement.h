// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPoint>
#include <QRect>
#include <QString>

#include <vector>

// One monitor as the window system reports it: its rectangle in the whole
// desktop's coordinates and its name (the RandR output or monitor name).
struct SMonitor {
    QString name;
    QRect rect;
    bool primary = false;
};

// The monitors Qt knows now, the primary among them.
std::vector<SMonitor> CurrentMonitors();

// The monitor named `wanted` when it is there, else the primary, else the
// first; -1 when there is none at all.
int ChooseMonitor(const std::vector<SMonitor>& monitors, const QString& wanted);

// The monitor that shows `point`; -1 in a gap between monitors.
int MonitorAt(const std::vector<SMonitor>& monitors, const QPoint& point);

// x that centres a bar of `barWidth` on `monitor`.
int CenterOnMonitor(const QRect& monitor, int barWidth);

// `left` when at least 50 pixels of the bar stay on `monitor`'s width, else
// the bar centred on it.
int CheckedLeft(int left, const QRect& monitor, int barWidth);

// Where a drag that let go of the bar at `left` leaves it on `monitor`: where
// it is while any of its width lies on the monitor, else moved sideways onto
// the monitor's nearer end. A drag through the gap beside a lower monitor
// would otherwise leave it where no monitor shows it.
int LeftAfterDrag(int left, const QRect& monitor, int barWidth);
