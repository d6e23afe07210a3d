// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "BarRenderer.h"

#include "bar/LumoraDlg.h"
#include "options/OptionTable.h"
#include "store/CatalogFile.h"
#include "store/DataFolder.h"

#include <QApplication>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QRegion>

#include <cstdio>

namespace {

// The bar starts from its data folder, so an engine of another name is a
// catalogue file whose only engine has it; no look leaves one behind.
class CCatalogForName {
public:
    explicit CCatalogForName(const QString& name)
    {
        if (name.isEmpty()) return;
        SSearch engine;
        engine.name = name.toStdString();
        engine.url = "https://example.org/?q=[keyword]";
        engine.selected = true;
        CEngineList engines;
        engines.Append(engine);
        CreateDataFolder();
        m_written = SaveCatalog(m_path, engines);
    }
    ~CCatalogForName()
    {
        if (m_written) std::remove(m_path.c_str());
    }
    CCatalogForName(const CCatalogForName&) = delete;
    CCatalogForName& operator=(const CCatalogForName&) = delete;

private:
    std::string m_path = GetAppDataPath(kCatalogSuffix);
    bool m_written = false;
};

}  // namespace

QImage RenderBar(const SBarLook& look, int scale)
{
    const CCatalogForName catalog(look.engineName);
    CLumoraDlg bar;
    bar.OnCommand(kFirstSchemeCommand + look.scheme);
    bar.OnCommand(kFirstRoundingCommand + look.rounding);
    bar.OnCommand(kFirstButtonViewCommand + look.view);
    if (look.hoverEngine) {
        // The pointer resting on the engine's name.
        const QPoint over = bar.Layout().engineBox.center();
        QMouseEvent move(QEvent::MouseMove, over, bar.mapToGlobal(over), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(&bar, &move);
    }
    bar.QueryField()->setText(look.query);
    bar.QueryField()->setCursorPosition(0);

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
