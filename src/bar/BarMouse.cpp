// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Dragging, the click areas, and the bar's pointer, crossing and window
// events: auto hide, the pin and a drag are CAutoHide's, a summon's state is
// CSummon's; the bar forwards the events to them.
#include "bar/LumoraDlg.h"

#include "bar/BarScreen.h"
#include "bar/BarTemplate.h"
#include "bar/CursorBlink.h"
#include "bar/SearchRecall.h"
#include "menus/EngineMenu.h"
#include "menus/OptionsMenu.h"
#include "options/OptionTable.h"
#include "platform/AddressOpener.h"
#include "platform/HelpAddress.h"

#include <QEnterEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QMoveEvent>

#include <cstdint>

void CLumoraDlg::StartTimers()
{
    m_autoHide.StartPin();
    if (!m_blinkPause) m_blinkPause = new CCursorBlinkPause(kBlinkIdle, this);
}

// Switching on changes nothing until the cursor moves over the bar, which
// starts the hide poll.
void CLumoraDlg::ToggleAutoHide()
{
    m_settings.autoHide = m_settings.autoHide ? 0 : 1;
    m_autoHide.OnSwitched();
}

void CLumoraDlg::OnMouseMove(const QPoint& point)
{
    OnMouseMove(point, mapToGlobal(point));
}

// `screen` is where the pointer really was (see CAutoHide::OnPointerMoved).
void CLumoraDlg::OnMouseMove(const QPoint& point, const QPoint& screen)
{
    m_query->setFocus();
    if (m_autoHide.IsDragging()) m_barScreen->OnDragMove(screen);
    m_autoHide.OnPointerMoved(screen);

    const bool overEngine = m_layout.engineBox.contains(point);
    if (overEngine != m_hoverEngine) {
        m_hoverEngine = overEngine;
        update(m_layout.engineBox);
    }

    m_query->setFocus();
}

void CLumoraDlg::OnLButtonDown(const QPoint& point)
{
    m_autoHide.OnButtonDown(point);
}

void CLumoraDlg::OnLButtonUp(const QPoint& point, Qt::KeyboardModifiers modifiers)
{
    const bool dragged = m_autoHide.IsDragging();
    m_autoHide.OnButtonUp();
    if (dragged) m_barScreen->OnDragEnd();

    // The end of a drag is a click like any other.
    if (m_layout.engineBox.contains(point)) {
        OpenPopup(EngineMenu(), m_layout.engineBox);
        m_hoverEngine = false;
        update(m_layout.engineBox);
    } else if (m_layout.optionsBox.contains(point)) {
        OpenPopup(OptionsMenu(), m_layout.optionsBox);
    } else if (m_layout.searchBox.contains(point)) {
        // Also with no search button drawn. Shift asks for a private window.
        RunSearch(m_query->text().toStdString(),
                  modifiers & Qt::ShiftModifier ? ESearchWindow::Private : ESearchWindow::Normal);
    } else if (m_layout.pullStrip.contains(point)) {
        // The hide poll starts even with auto hide off; its ticks then do nothing.
        m_autoHide.ShowBar(true);
    }
}

void CLumoraDlg::OnLButtonDblClk()
{
    OnCommand(kAutoHideCommand);
}

// Returns when the menu has closed; the chosen entry's command follows.
void CLumoraDlg::OpenPopup(CCommandMenu* menu, const QRect& clientBox)
{
    if (!menu) return;
    // The polls go on while the menu is open, though the bar sees no mouse
    // events then: they must be ticking when it opens.
    m_autoHide.WakePolls();
    menu->ExecBelow(QRect(mapToGlobal(clientBox.topLeft()), clientBox.size()));
    m_popupSincePress = true;
}

void CLumoraDlg::OnHelp()
{
    OpenAddress(HelpAddress());
}

void CLumoraDlg::mouseMoveEvent(QMouseEvent* event)
{
    m_autoHide.OnPointerOver();
    OnMouseMove(event->position().toPoint(), event->globalPosition().toPoint());
    QDialog::mouseMoveEvent(event);
}

void CLumoraDlg::mousePressEvent(QMouseEvent* event)
{
    m_popupSincePress = false;
    if (event->button() == Qt::LeftButton) OnLButtonDown(event->position().toPoint());
    // A click on the bar always gives the query field the keyboard.
    TakeKeyboard(static_cast<std::uint32_t>(event->timestamp()));
    QDialog::mousePressEvent(event);
}

void CLumoraDlg::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) OnLButtonUp(event->position().toPoint(), event->modifiers());
    if (rect().contains(event->position().toPoint())) m_autoHide.GuardPointer();
    QDialog::mouseReleaseEvent(event);
}

// Takes the place of the second press, as it does for a window that accepts
// double clicks: no drag starts, and the release that follows is a click.
void CLumoraDlg::mouseDoubleClickEvent(QMouseEvent* event)
{
    // The first click opened a menu, and the user is back within the
    // double-click time: that is a new click, not a double click.
    if (m_popupSincePress) {
        mousePressEvent(event);
        return;
    }
    if (event->button() == Qt::LeftButton) OnLButtonDblClk();
    event->accept();
}

void CLumoraDlg::enterEvent(QEnterEvent* event)
{
    m_summon.OnCrossing(true);
    m_autoHide.OnPointerEntered();
    QDialog::enterEvent(event);
}

void CLumoraDlg::leaveEvent(QEvent* event)
{
    m_autoHide.OnPointerLeft();
    QDialog::leaveEvent(event);
}

void CLumoraDlg::moveEvent(QMoveEvent* event)
{
    m_autoHide.OnBarMoved(event->pos());
    QDialog::moveEvent(event);
}

// A pointer grab by another program hides the crossing from the bar; the
// focus usually moves with it.
void CLumoraDlg::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::ActivationChange) {
        m_summon.OnActivationChange();
        m_autoHide.WakePolls();
    }
    QDialog::changeEvent(event);
}
