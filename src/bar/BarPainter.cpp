// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "BarPainter.h"

#include "BarLook.h"

#include <QPainter>

#include <vector>

namespace {

void FillRuns(QPainter& painter, const PixelRuns& runs, const QColor& colour)
{
    for (const QRect& run : runs) painter.fillRect(run, colour);
}

// A rounded box with a 1-pixel outline and, when `fill` is valid, filled.
void DrawRoundBox(QPainter& painter, const QRect& box, int diameter, const QColor& fill, const QColor& line)
{
    if (fill.isValid()) FillRuns(painter, RoundRectFill(box, diameter, diameter), fill);
    FillRuns(painter, RoundRectOutline(box, diameter, diameter), line);
}

void DrawEngineName(QPainter& painter, const SBarPaintState& s)
{
    painter.save();
    painter.setClipRect(s.layout.engineBox, Qt::IntersectClip);
    painter.setFont(s.engineFont);
    painter.setPen(s.colors.text);
    painter.setBackgroundMode(Qt::TransparentMode);
    // One line from the box's top-left corner; a long name runs into the
    // clip rather than wrapping.
    painter.drawText(s.layout.engineBox, Qt::AlignLeft | Qt::AlignTop, QStringLiteral("  ") + s.engineName);
    painter.restore();
}

void DrawSearchGlyph(QPainter& painter, const SBarPaintState& s)
{
    const QRect& g = s.layout.searchBox;
    const int x = g.left();
    const int y = g.top();
    // The arrows' triangle, pointing right.
    const std::vector<QPoint> arrow = {{x + 10, y + 5}, {x + 15, y + 10}, {x + 10, y + 15}};

    switch (s.buttonView) {
    case kViewZoom: {
        // A lens with its handle hanging below; the handle's last row is
        // three pixels above the box's bottom edge.
        DrawRoundBox(painter, QRect(x + 7, y + 3, 11, 11), 11, kFieldColor, s.colors.line);
        const int top = y + 13;
        const int end = g.top() + g.height() - 3;
        if (end > top) painter.fillRect(QRect(x + g.width() / 2, top, 1, end - top), s.colors.line);
        break;
    }
    case kViewArrow1: {
        std::vector<QPoint> closed = arrow;
        closed.push_back(arrow.front());
        FillRuns(painter, PolylinePixels(closed, 1), s.colors.line);
        break;
    }
    case kViewArrow2: FillRuns(painter, ConvexPolygonFill(arrow), s.colors.line); break;
    case kViewArrow3: FillRuns(painter, PolylinePixels(arrow, 3), s.colors.line); break;
    case kViewGo:
        painter.save();
        painter.setFont(MakeGoFont());
        painter.setPen(s.colors.text);
        painter.setBackgroundMode(Qt::TransparentMode);
        painter.drawText(g, Qt::AlignCenter | Qt::TextSingleLine, QStringLiteral("Go"));
        painter.restore();
        break;
    default: break;
    }
}

}  // namespace

void PaintBar(QPainter& painter, const SBarPaintState& s)
{
    painter.save();
    // Whole pixels only: every shape below is a set of pixel runs.
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setRenderHint(QPainter::TextAntialiasing, true);

    painter.fillRect(QRect(0, 0, s.width, s.height), s.colors.back);

    if (s.hoverEngine)
        DrawRoundBox(painter, s.layout.engineBox, CornerDiameter(kEngineBoxElement, s.rounding), QColor(),
                     s.colors.line);

    DrawRoundBox(painter, s.layout.optionsBox, CornerDiameter(kOptionsBoxElement, s.rounding), s.colors.box,
                 s.colors.line);
    DrawRoundBox(painter, s.layout.fieldRect, CornerDiameter(kQueryFieldElement, s.rounding), kFieldColor,
                 s.colors.line);

    // Its top edge lies above the window: only the sides and the rounded
    // bottom show.
    DrawRoundBox(painter, BarOutlineBox(QSize(s.width, s.height)), CornerDiameter(kBarOutlineElement, s.rounding),
                 QColor(), s.colors.line);

    DrawEngineName(painter, s);

    if (s.buttonView != kViewNot)
        painter.fillRect(QRect(s.layout.searchBox.left(), s.layout.searchBox.top(), 1, s.layout.searchBox.height()),
                         s.colors.line);
    DrawSearchGlyph(painter, s);

    painter.restore();
}
