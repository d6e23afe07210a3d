#include "BarRenderer.h"

#include "bar/BarLook.h"
#include "bar/BarPainter.h"
#include "platform/DialogUnits.h"

#include <QPainter>

// Renders from the paint pass alone, with the reference layout of a bar at
// 96 dots per inch, and draws the query where the edit control sits.

namespace {

constexpr int kBarWidth = 210;
constexpr int kBarHeight = 60;

SBarPaintState ReferenceState(const SBarLook& look)
{
    SBarPaintState s;
    s.width = kBarWidth;
    s.height = kBarHeight;
    s.engineBox = RectFromEdges(9, 8, 135, 24);
    s.optionsBox = RectFromEdges(174, 10, 200, 23);
    s.fieldRect = RectFromEdges(10, 29, 200, 51);
    s.searchBox = RectFromEdges(175, 29, 200, 51);
    if (const SColorScheme* scheme = FindColorScheme(look.scheme)) {
        s.backColor = scheme->back;
        s.boxColor = scheme->box;
        s.lineColor = scheme->line;
        s.textColor = scheme->text;
    }
    s.rounding = look.rounding;
    s.buttonView = look.view;
    s.hoverEngine = look.hoverEngine;
    s.engineName = look.engineName;
    s.engineFont = MakeEngineFont();
    return s;
}

// The query edit: white, black text in the default query font, a small
// margin, centred vertically.
void DrawQuery(QPainter& painter, const SBarLook& look, const SBarPaintState& s)
{
    const QRect full = RectFromEdges(15, 31, 195, 49);
    const int optionsWidth = s.optionsBox.width();
    const QRect edit(full.x(), full.y(), EditWidthForView(look.view, full.width(), optionsWidth), full.height());
    painter.fillRect(edit, kFieldColor);
    QFont font(QStringLiteral("Tahoma"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(11);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(edit.adjusted(2, 0, -2, 0), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, look.query);
}

}  // namespace

QImage RenderBar(const SBarLook& look, int scale)
{
    QImage image(kBarWidth * scale, kBarHeight * scale, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(scale);
    image.fill(Qt::transparent);

    const SBarPaintState state = ReferenceState(look);
    QPainter painter(&image);
    PaintBar(painter, state);
    DrawQuery(painter, look, state);

    // What the window shape cuts away shows the desktop behind.
    const QRegion window(0, 0, kBarWidth, kBarHeight);
    painter.setClipRegion(window.subtracted(BarWindowShape(QSize(kBarWidth, kBarHeight), look.rounding)));
    painter.setCompositionMode(QPainter::CompositionMode_Clear);
    painter.fillRect(window.boundingRect(), Qt::transparent);
    painter.end();
    return image;
}
