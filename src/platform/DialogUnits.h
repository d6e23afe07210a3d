// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QRect>

// Window and control layouts are drawn in dialog units of an 8-point dialog
// font whose base units are 6 x 13 pixels: a horizontal unit is 6/4 pixel, a
// vertical unit 13/8 pixel. Each edge is converted on its own and rounded to
// the nearest pixel, halves up, so neighbouring rectangles stay flush.
inline constexpr int kDialogBaseUnitX = 6;
inline constexpr int kDialogBaseUnitY = 13;

int DialogUnitsToPixelsX(int du);
int DialogUnitsToPixelsY(int du);

// The pixel rectangle of a template rectangle given as x, y, width, height
// in dialog units.
QRect DialogRectToPixels(int x, int y, int width, int height);

// Rectangles are thought of as left, top, right, bottom with the right and
// bottom edges excluded (a 210-pixel bar spans 0 to 210). QRect::right() and
// bottom() are the last pixel inside instead; these keep the two apart.
inline QRect RectFromEdges(int left, int top, int right, int bottom)
{
    return QRect(left, top, right - left, bottom - top);
}
inline int RightEdge(const QRect& r)
{
    return r.x() + r.width();
}
inline int BottomEdge(const QRect& r)
{
    return r.y() + r.height();
}
