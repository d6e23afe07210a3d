// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

// The primary screen's rectangle in logical pixels; the bar's positions are
// all relative to it. Empty when there is no screen at all.
QRect GetDesktopRect();

// Where a window of `size` (its frame) goes: centred on `area`, and moved
// down just clear of `keepClear` when centring would overlap it. It stays
// inside `area` as far as that allows without overlapping `keepClear`.
QPoint CenteredClearOf(const QSize& size, const QRect& area, const QRect& keepClear);
