// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogs/SimpleLink.h"

#include "dialogs/LinkAccessible.h"
#include "platform/AddressOpener.h"
#include "store/Settings.h"

#include <QCursor>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QTimerEvent>

namespace {

const QColor kLinkTextColor(50, 100, 250);

}  // namespace

CBasicLink::CBasicLink(QWidget* parent)
    : QLabel(parent)
{
    setCursor(Qt::PointingHandCursor);
}

CSimpleLink::CSimpleLink(QWidget* parent)
    : CBasicLink(parent)
{
    // Reached with Tab; a click opens the link without taking the keyboard.
    setFocusPolicy(Qt::TabFocus);
    InstallLinkAccessible();
}

QFont CSimpleLink::DefaultLinkFont()
{
    QFont font(QString::fromLatin1(kBarFaceName));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(11);
    font.setUnderline(true);
    return font;
}

void CSimpleLink::Attach()
{
    // Mouse moves without a button are what start the hover state.
    setMouseTracking(true);
    m_caption = text();
    m_hover = false;
    m_textFormat = 0;
    m_hitRect = rect();
    m_address.clear();
    m_cornerSize = 0;
    ApplyDefaults();
}

void CSimpleLink::ApplyDefaults()
{
    // The fill and frame take the dialog's own face colour, so with the
    // defaults only the blue underlined caption stands out.
    const QColor face = palette().color(QPalette::Window);
    m_normalText = m_hoverText = kLinkTextColor;
    m_normalFill = m_hoverFill = face;
    m_normalFrame = m_hoverFrame = face;
    m_normalFont = DefaultLinkFont();
    m_hoverFont = DefaultLinkFont();
    setFont(m_normalFont);
}

void CSimpleLink::mouseMoveEvent(QMouseEvent* event)
{
    if (!m_hover) {
        m_hover = true;
        setFont(m_hoverFont);
        repaint();
        // Leaving is found by polling the pointer, which also catches a
        // pointer that jumped out of the dialog without a move over us.
        m_hoverTimer = startTimer(kHoverPollMs);
    }
    CBasicLink::mouseMoveEvent(event);
}

void CSimpleLink::timerEvent(QTimerEvent* event)
{
    if (event->timerId() == m_hoverTimer && m_hoverTimer != 0) {
        const QPoint pointer = mapFromGlobal(QCursor::pos());
        if (!m_hitRect.contains(pointer)) {
            m_hover = false;
            killTimer(m_hoverTimer);
            m_hoverTimer = 0;
            setFont(m_normalFont);
            repaint();
        }
    }
    CBasicLink::timerEvent(event);
}

void CSimpleLink::mouseReleaseEvent(QMouseEvent* event)
{
    // A release away from the control is a cancelled click.
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) Activate();
    CBasicLink::mouseReleaseEvent(event);
}

void CSimpleLink::Activate()
{
    if (!m_address.isEmpty()) OpenAddress(m_address.toStdString());
    emit clicked();
}

void CSimpleLink::keyPressEvent(QKeyEvent* event)
{
    const int key = event->key();
    const bool activates = key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space;
    const auto modifiers = event->modifiers() & ~Qt::KeypadModifier;
    // Taken, not passed on: Enter would also press the dialog's default button.
    if (activates && modifiers == Qt::NoModifier) {
        // A held key opens the page once.
        if (!event->isAutoRepeat()) Activate();
        event->accept();
        return;
    }
    CBasicLink::keyPressEvent(event);
}

void CSimpleLink::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QColor& textColor = m_hover ? m_hoverText : m_normalText;
    const QColor& fill = m_hover ? m_hoverFill : m_normalFill;
    const QColor& frame = m_hover ? m_hoverFrame : m_normalFrame;

    painter.setFont(m_hover ? m_hoverFont : m_normalFont);
    painter.setPen(QPen(frame, 1));
    painter.setBrush(fill);
    // A 1-pixel pen centred half a pixel inside keeps the outline on the
    // rectangle's own pixels.
    const QRectF outline = QRectF(m_hitRect).adjusted(0.5, 0.5, -0.5, -0.5);
    if (m_cornerSize > 0) {
        painter.setRenderHint(QPainter::Antialiasing);
        painter.drawRoundedRect(outline, m_cornerSize / 2.0, m_cornerSize / 2.0);
        painter.setRenderHint(QPainter::Antialiasing, false);
    } else {
        painter.drawRect(outline);
    }

    int flags = m_textFormat | Qt::AlignVCenter | Qt::TextSingleLine;
    if ((m_textFormat & Qt::AlignHorizontal_Mask) == 0) flags |= Qt::AlignLeft;
    painter.setPen(textColor);
    painter.drawText(m_hitRect, flags, m_caption);

    // The keyboard's place: a dotted frame in the caption's colour.
    if (hasFocus()) {
        painter.setPen(QPen(textColor, 1, Qt::DotLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(outline);
    }
}
