// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPoint>

class QWidget;

// Makes `window` a borderless, always-on-top window without a taskbar or
// pager entry that window managers neither frame nor clamp onto the screen
// (a "dock"). Call once, before the window is first shown. On platforms
// other than xcb only the window flags are set.
void MakeDockWindow(QWidget* window);

// Where the window system really has the top-level `window` (its client
// area's top-left, in screen coordinates). On xcb this asks the X server:
// Qt's own idea of the position can lag behind, and while a window manager
// reparents a new window it may read (0, 0) for a while. Elsewhere it is
// Qt's position.
QPoint WindowSystemPosition(const QWidget* window);
