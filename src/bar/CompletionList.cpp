// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "bar/CompletionList.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>

#include <algorithm>
#include <utility>

namespace {

using UnderField::kBorder;
using UnderField::kRowPadding;
using UnderField::kTextMargin;
// Long searches widen the list up to this many field widths, then elide.
constexpr int kMaxWidthFactor = 3;

}  // namespace

void UnderField::PrepareWindow(QWidget* window)
{
    window->setAttribute(Qt::WA_ShowWithoutActivating);
    window->setAttribute(Qt::WA_OpaquePaintEvent);
    window->setFocusPolicy(Qt::NoFocus);
}

QRect UnderField::PlaceUnder(const QRect& anchor, QSize size)
{
    QPoint topLeft = anchor.bottomLeft() + QPoint(0, 1);
    if (const QScreen* screen = QGuiApplication::screenAt(anchor.center())) {
        const QRect area = screen->geometry();
        topLeft.setX(std::max(area.left(), std::min(topLeft.x(), area.right() + 1 - size.width())));
    }
    return QRect(topLeft, size);
}

CCompletionList::CCompletionList(QWidget* owner)
    : QWidget(owner, UnderField::kWindowFlags)
{
    UnderField::PrepareWindow(this);
    setMouseTracking(true);
    setAccessibleName(tr("Earlier searches"));
}

void CCompletionList::SetEntries(const QStringList& entries)
{
    m_entries = entries;
    m_highlighted = -1;
    m_pressed = -1;
    update();
}

void CCompletionList::SetHighlighted(int row)
{
    const int valid = row >= 0 && row < Count() ? row : -1;
    if (valid == m_highlighted) return;
    m_highlighted = valid;
    update();
}

int CCompletionList::RowHeight() const
{
    return QFontMetrics(m_look.font).height() + kRowPadding;
}

QRect CCompletionList::RowRect(int row) const
{
    return QRect(kBorder, kBorder + row * RowHeight(), width() - 2 * kBorder, RowHeight());
}

int CCompletionList::RowAt(const QPoint& point) const
{
    if (point.x() < kBorder || point.x() >= width() - kBorder || point.y() < kBorder) return -1;
    const int row = (point.y() - kBorder) / RowHeight();
    return row < Count() ? row : -1;
}

void CCompletionList::Place(const SCompletionLook& look)
{
    m_look = look;
    setFont(look.font);
    const QFontMetrics metrics(look.font);
    int widest = 0;
    for (const QString& entry : std::as_const(m_entries)) widest = std::max(widest, metrics.horizontalAdvance(entry));
    const int fieldWidth = std::max(1, look.anchor.width());
    const int width = std::clamp(widest + 2 * (kTextMargin + kBorder), fieldWidth, kMaxWidthFactor * fieldWidth);
    const int height = Count() * RowHeight() + 2 * kBorder;

    setGeometry(UnderField::PlaceUnder(look.anchor, QSize(width, height)));
    update();
}

void CCompletionList::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), m_look.back);
    painter.setPen(m_look.line);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    painter.setFont(m_look.font);
    const QFontMetrics metrics(m_look.font);
    for (int row = 0; row < Count(); ++row) {
        const QRect box = RowRect(row);
        const bool highlighted = row == m_highlighted;
        if (highlighted) painter.fillRect(box, m_look.line);
        painter.setPen(highlighted ? m_look.highlightText : m_look.text);
        const QRect textBox = box.adjusted(kTextMargin, 0, -kTextMargin, 0);
        painter.drawText(textBox, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                         metrics.elidedText(m_entries[row], Qt::ElideRight, textBox.width()));
    }
}

void CCompletionList::mouseMoveEvent(QMouseEvent* event)
{
    const int row = RowAt(event->position().toPoint());
    if (row >= 0) SetHighlighted(row);
    QWidget::mouseMoveEvent(event);
}

// A click is a press and a release on the same row, as on a menu entry.
void CCompletionList::mousePressEvent(QMouseEvent* event)
{
    m_pressed = event->button() == Qt::LeftButton ? RowAt(event->position().toPoint()) : -1;
    event->accept();
}

void CCompletionList::mouseReleaseEvent(QMouseEvent* event)
{
    const int row = RowAt(event->position().toPoint());
    const bool click = event->button() == Qt::LeftButton && row >= 0 && row == m_pressed;
    m_pressed = -1;
    event->accept();
    if (click) emit clicked(row);
}
