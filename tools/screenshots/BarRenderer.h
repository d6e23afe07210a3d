// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>
#include <QString>

// What one picture of the bar shows.
struct SBarLook {
    int scheme = 1;    // colour scheme index
    int view = 1;      // search-button view
    int rounding = 4;  // rounding level
    bool hoverEngine = false;
    QString engineName;  // empty: the default engine's
    QString query;       // text standing in the query field
};

// The real bar window, set up through the commands its options menu sends,
// rendered at a device pixel ratio of `scale`, with everything outside the
// window shape transparent. The bar reads and creates its data folder, so
// XDG_CONFIG_HOME should point somewhere disposable.
QImage RenderBar(const SBarLook& look, int scale);
