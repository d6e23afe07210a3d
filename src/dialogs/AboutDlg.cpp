// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogs/AboutDlg.h"

#include "dialogs/DialogSupport.h"
#include "dialogs/ProductLinks.h"
#include "dialogs/SimpleLink.h"

#include <QApplication>
#include <QIcon>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QUrl>

#include <algorithm>

namespace {

constexpr int kWidthDu = 198;
constexpr int kHeightDu = 93;

// Stands in for the application icon until the application sets one: a
// magnifying glass in the link blue.
QPixmap PlaceholderIcon(QSize size)
{
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal side = std::min(size.width(), size.height());
    const qreal pen = std::max<qreal>(2.0, side / 8.0);
    painter.setPen(QPen(QColor(50, 100, 250), pen, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    const qreal radius = side * 0.3;
    const QPointF centre(side * 0.4, side * 0.4);
    painter.drawEllipse(centre, radius, radius);
    const qreal handleStart = radius * 0.7071 + pen / 2.0;
    painter.drawLine(centre + QPointF(handleStart, handleStart), QPointF(side - pen, side - pen));
    return pixmap;
}

}  // namespace

CAboutDlg::CAboutDlg(QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(tr("About Lumora"));

    auto* ok = AddButton(this, tr("OK"), 141, 72, 50, 14);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    AddStatic(this, QStringLiteral("Lumora 1.28"), 47, 9, 101, 8);
    AddStatic(this, tr("Home page:"), 47, 41, 40, 8);
    AddStatic(this, tr("Support:"), 47, 54, 29, 8);

    const QString host = QUrl(QString::fromUtf8(kHomePageAddress)).host();
    m_homeLink = AddLink(this, host, 100, 41, 70, 8);
    m_homeLink->setObjectName(QStringLiteral("homeLink"));
    m_contactLink = AddLink(this, tr("contact form"), 100, 54, 91, 8);
    m_contactLink->setObjectName(QStringLiteral("contactLink"));

    AddStatic(this, tr("Copyright \u00A9 Lumora developers"), 47, 22, 95, 8);

    auto* icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("appIcon"));
    PlaceControl(icon, 14, 10, 20, 20);
    const QSize iconSize = icon->size();
    const QIcon appIcon = QApplication::windowIcon();
    icon->setPixmap(appIcon.isNull() ? PlaceholderIcon(iconSize) : appIcon.pixmap(iconSize));

    m_homeLink->SetLinkAddress(QString::fromUtf8(kHomePageAddress));
    m_contactLink->SetLinkAddress(QString::fromUtf8(kContactFormAddress));

    FixDialogSize(this, kWidthDu, kHeightDu);
    ok->setFocus();
}
