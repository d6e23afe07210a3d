// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "bar/BarNotice.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>

using UnderField::kBorder;
using UnderField::kTextMargin;

// A window like the list of earlier searches, one row high.
CBarNotice::CBarNotice(QWidget* owner)
    : QWidget(owner, UnderField::kWindowFlags)
{
    UnderField::PrepareWindow(this);
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
    const int height = metrics.height() + UnderField::kRowPadding + 2 * kBorder;
    setGeometry(UnderField::PlaceUnder(look.anchor, QSize(width, height)));
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
