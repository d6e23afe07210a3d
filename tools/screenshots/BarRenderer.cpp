#include "BarRenderer.h"

#include "bar/LumoraDlg.h"
#include "menus/Commands.h"

#include <QLineEdit>
#include <QPainter>
#include <QRegion>

QImage RenderBar(const SBarLook& look, int scale)
{
    CLumoraDlg bar;
    bar.OnCommand(kFirstSchemeCommand + look.scheme);
    bar.OnCommand(kFirstRoundingCommand + look.rounding);
    bar.OnCommand(kFirstButtonViewCommand + look.view);
    bar.m_hoverEngine = look.hoverEngine;
    if (!look.engineName.isEmpty()) bar.m_current.name = look.engineName.toStdString();
    bar.m_query->setText(look.query);
    bar.m_query->setCursorPosition(0);

    QImage image(bar.size() * scale, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(scale);
    image.fill(Qt::transparent);
    bar.render(&image);

    // Offscreen, the window shape is kept but not applied: cut it here, so
    // what it removes shows the desktop behind.
    QPainter painter(&image);
    const QRegion window(bar.rect());
    const QRegion shape = bar.mask().isEmpty() ? window : bar.mask();
    painter.setClipRegion(window.subtracted(shape));
    painter.setCompositionMode(QPainter::CompositionMode_Clear);
    painter.fillRect(bar.rect(), Qt::transparent);
    painter.end();
    return image;
}
