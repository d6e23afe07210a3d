// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "bar/EngineHint.h"

#include "bar/BarLook.h"

#include <QEvent>
#include <QFontMetrics>
#include <QLineEdit>
#include <QPainter>

#include <utility>

namespace {

// QLineEdit keeps this many pixels between its contents' edges and the text.
constexpr int kTextMargin = 2;
// Room left between the end of the text and the hint.
constexpr int kGap = 8;

}  // namespace

CEngineHint::CEngineHint(QLineEdit* field, NameSource nameFor, ColorSource color)
    : QObject(field),
      m_field(field),
      m_nameFor(std::move(nameFor)),
      m_color(std::move(color))
{
    connect(m_field, &QLineEdit::textChanged, this, &CEngineHint::Refresh);
    m_field->installEventFilter(this);
    Refresh();
}

void CEngineHint::Refresh()
{
    m_name = m_nameFor ? m_nameFor(m_field->text()) : QString();
    Place();
}

// Left-aligned text is never scrolled while it fits, so its end is where the
// font puts it; text that no longer fits leaves no room anyway.
void CEngineHint::Place()
{
    const bool wasShown = m_shown;
    const QRect wasRect = m_rect;
    const QFontMetrics metrics(m_field->font());
    const QRect contents = m_field->contentsRect().marginsRemoved(m_field->textMargins());
    const int textEnd = contents.left() + kTextMargin + metrics.horizontalAdvance(m_field->displayText());
    const int width = metrics.horizontalAdvance(m_name);
    const int right = contents.right() - kTextMargin;
    m_rect = QRect(right + 1 - width, contents.top(), width, contents.height());
    m_shown = !m_name.isEmpty() && (m_field->alignment() & Qt::AlignLeft) && m_rect.left() - kGap >= textEnd;
    if (m_shown != wasShown || (m_shown && m_rect != wasRect)) m_field->update(wasRect.united(m_rect));
}

bool CEngineHint::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_field) return false;
    switch (event->type()) {
    case QEvent::Paint:
        if (!m_shown) return false;
        // The field paints first, then the hint on top, in the same pass.
        static_cast<QObject*>(m_field)->event(event);
        Paint();
        return true;
    case QEvent::Resize:
    case QEvent::FontChange:
    case QEvent::ContentsRectChange: Place(); break;
    default: break;
    }
    return false;
}

void CEngineHint::Paint()
{
    QPainter painter(m_field);
    painter.setFont(m_field->font());
    painter.setPen(m_color ? m_color() : QColor(Qt::gray));
    painter.drawText(m_rect, Qt::AlignRight | Qt::AlignVCenter | Qt::TextSingleLine, m_name);
}

QColor DimmedOnField(const QColor& text)
{
    auto mix = [](int a, int b) { return (a + b + 1) / 2; };
    return QColor(mix(text.red(), kFieldColor.red()), mix(text.green(), kFieldColor.green()),
                  mix(text.blue(), kFieldColor.blue()));
}
