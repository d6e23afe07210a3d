// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "bar/CursorBlink.h"

#include <QApplication>
#include <QEvent>

CCursorBlinkPause::CCursorBlinkPause(std::chrono::milliseconds idle, QObject* parent)
    : QObject(parent),
      m_idle(idle),
      m_flashTime(QApplication::cursorFlashTime())
{
    m_check.setSingleShot(true);
    connect(&m_check, &QTimer::timeout, this, &CCursorBlinkPause::OnIdleCheck);
    m_sinceInput.start();
    m_check.start(m_idle);
    qApp->installEventFilter(this);
}

CCursorBlinkPause::~CCursorBlinkPause()
{
    qApp->removeEventFilter(this);
    if (m_paused) QApplication::setCursorFlashTime(m_flashTime);
}

bool CCursorBlinkPause::eventFilter(QObject*, QEvent* event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::MouseMove:
    case QEvent::MouseButtonPress:
    case QEvent::Wheel: OnInput(); break;
    default: break;
    }
    return false;
}

void CCursorBlinkPause::OnInput()
{
    m_sinceInput.restart();
    if (m_paused) {
        m_paused = false;
        QApplication::setCursorFlashTime(m_flashTime);
    }
    if (!m_check.isActive()) m_check.start(m_idle);
}

void CCursorBlinkPause::OnIdleCheck()
{
    const std::chrono::milliseconds quiet(m_sinceInput.elapsed());
    if (quiet < m_idle) {
        m_check.start(m_idle - quiet);
        return;
    }
    // A flash time of 0 leaves the cursor on, without a timer behind it.
    if (m_flashTime > 0) {
        m_paused = true;
        QApplication::setCursorFlashTime(0);
    }
}
