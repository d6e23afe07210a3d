// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "bar/Summon.h"

#include "bar/AutoHide.h"
#include "platform/Activation.h"
#include "platform/PreviousFocus.h"

#include <QCursor>
#include <QWidget>

CSummon::CSummon(QWidget* bar, CAutoHide& autoHide)
    : m_bar(bar),
      m_autoHide(autoHide)
{}

// The X server's word on the focus, not Qt's: right after a focus handed
// back, Qt may still think the bar active.
bool CSummon::BarHasFocus(std::uint32_t focused) const
{
    return focused ? focused == m_bar->internalWinId() : m_bar->isActiveWindow();
}

void CSummon::Begin()
{
    const std::uint32_t focused = FocusedWindowId();
    const bool barHasFocus = BarHasFocus(focused);
    // A second summon keeps the window the first one came from; a summon
    // of a bar that had the focus already has none to give back.
    if (!m_active) {
        m_focusTaken = !barHasFocus;
        m_focusBefore = barHasFocus ? 0 : focused;
    }
    m_active = true;
    m_activated = barHasFocus;
    m_pointerSeen = m_autoHide.BarRect().contains(QCursor::pos());
    if (!m_autoHide.IsShown()) m_autoHide.ShowBar(true);
}

void CSummon::End(bool returnFocus)
{
    if (!m_active) return;
    m_active = false;
    m_autoHide.ShowBar(false);  // nothing with auto hide off
    const std::uint32_t previous = m_focusBefore;
    m_focusBefore = 0;
    // A window that took the focus meanwhile (a browser raising itself) keeps
    // it.
    if (returnFocus && m_focusTaken && BarHasFocus(FocusedWindowId())) ReturnFocusTo(previous);
}

// Another window took the focus: the bar goes up, unless the pointer is over
// it (the ordinary rule then holds) or the focus went to the bar's own menu
// or dialog.
void CSummon::OnActivationChange()
{
    if (!m_active) return;
    if (m_bar->isActiveWindow()) {
        m_activated = true;
        return;
    }
    // A deactivation still on its way from before the summon is no loss of
    // the focus the summon asked for.
    if (!m_activated || InputHeldElsewhere(m_bar)) return;
    if (m_autoHide.PointerOver()) {
        m_active = false;
        return;
    }
    End(false);
}

// Once the pointer has been over the bar and left it, auto hide is back to
// its ordinary rule: the running hide poll decides.
void CSummon::OnCrossing(bool entered)
{
    if (!m_active) return;
    if (entered) {
        m_pointerSeen = true;
    } else if (m_pointerSeen) {
        m_active = false;
        m_focusBefore = 0;
    }
}
