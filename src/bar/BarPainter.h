// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "bar/BarLook.h"

#include <QFont>
#include <QString>

class QPainter;

// Everything the bar's look depends on; the paint pass is a pure function of
// it. Rectangles are in the bar's client coordinates.
struct SBarPaintState {
    int width = 0;   // W
    int height = 0;  // H
    SBarLayout layout;
    SColorScheme colors;
    int rounding = 0;    // level 0..4
    int buttonView = 0;  // EButtonView
    bool hoverEngine = false;
    QString engineName;  // display name of the current engine
    QFont engineFont;
};

// Paints the whole bar in logical pixels: background, the hover outline of
// the engine box, the options box, the white query field, the bar's outline,
// the engine name, and the search button's separator and glyph. Shapes are
// drawn as whole pixels, so they stay sharp at any device pixel ratio and
// agree with the window shape.
void PaintBar(QPainter& painter, const SBarPaintState& state);
