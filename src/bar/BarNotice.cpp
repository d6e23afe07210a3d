// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "bar/BarNotice.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

#include <algorithm>

namespace {

constexpr int kBorder = 1;
constexpr int kTextMargin = 4;
constexpr int kPadding = 4;  // added to the font's height, as a list row

}  // namespace

// A tool tip window, like the list of earlier searches: on X11 an
// override-redirect window the window manager leaves alone.
CBarNotice::CBarNotice(QWidget* owner)
    : QWidget(owner, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus)
{
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::NoFocus);
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &QWidget::hide);
}

void CBarNotice::ShowNotice(const QString& text, const SCompletionLook& look)
{
    m_text = text;
    m_look = look;
    setAccessibleName(text);
    setFont(look.font);
    const QFontMetrics metrics(look.font);
    const int width = std::max(look.anchor.width(), metrics.horizontalAdvance(text) + 2 * (kTextMargin + kBorder));
    const int height = metrics.height() + kPadding + 2 * kBorder;

    QPoint topLeft = look.anchor.bottomLeft() + QPoint(0, 1);
    if (const QScreen* screen = QGuiApplication::screenAt(look.anchor.center())) {
        const QRect area = screen->geometry();
        topLeft.setX(std::max(area.left(), std::min(topLeft.x(), area.right() + 1 - width)));
    }
    setGeometry(QRect(topLeft, QSize(width, height)));
    show();
    raise();
    update();
    m_timer.start(kNoticeDuration);
}

void CBarNotice::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), m_look.back);
    painter.setPen(m_look.line);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    painter.setPen(m_look.text);
    painter.setFont(m_look.font);
    painter.drawText(rect().adjusted(kBorder + kTextMargin, kBorder, -kBorder - kTextMargin, -kBorder),
                     Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, m_text);
}

void CBarNotice::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    emit hidden();
}
