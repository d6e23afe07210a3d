#pragma once

#include <QImage>
#include <QString>

// What one picture of the bar shows.
struct SBarLook {
    int scheme = 1;    // colour scheme index
    int view = 1;      // search-button view
    int rounding = 4;  // rounding level
    bool hoverEngine = false;
    QString engineName = QStringLiteral("Google");
    QString query;     // text standing in the query field
};

// The bar as it appears on screen, at a device pixel ratio of `scale`, with
// everything outside the window shape transparent.
QImage RenderBar(const SBarLook& look, int scale);
