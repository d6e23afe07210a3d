// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The keys that reach the rest of the bar from the query field: the next or
// previous engine, and both menus opened where a click opens them.
#include "bar/LumoraDlg.h"

#include "engines/EngineMenuModel.h"
#include "menus/EngineMenu.h"
#include "menus/OptionsMenu.h"
#include "options/OptionTable.h"

#include <QAction>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTimer>

#include <algorithm>

namespace {

enum class EBarKey {
    None,
    NextEngine,
    PreviousEngine,
    EngineMenu,
    OptionsMenu,
};

// Arrows on the keypad carry the keypad modifier; they are the same keys.
EBarKey BarKeyOf(const QKeyEvent& key)
{
    const Qt::KeyboardModifiers modifiers = key.modifiers() & ~Qt::KeypadModifier;
    const bool down = key.key() == Qt::Key_Down;
    const bool arrow = down || key.key() == Qt::Key_Up;
    if (arrow && modifiers == Qt::ControlModifier) return down ? EBarKey::NextEngine : EBarKey::PreviousEngine;
    if ((arrow && modifiers == Qt::AltModifier) || (key.key() == Qt::Key_F4 && modifiers == Qt::NoModifier))
        return EBarKey::EngineMenu;
    if ((key.key() == Qt::Key_F10 && modifiers == Qt::ShiftModifier) ||
        (key.key() == Qt::Key_Menu && modifiers == Qt::NoModifier))
        return EBarKey::OptionsMenu;
    return EBarKey::None;
}

// The entry `step` places from `current` among `count`, round at the ends;
// from no entry, the first (forward) or the last (backward). -1: no entries.
int StepPosition(int current, int count, int step)
{
    if (count <= 0) return -1;
    if (current < 0 || current >= count) return step > 0 ? 0 : count - 1;
    return ((current + step) % count + count) % count;
}

QAction* FirstEntry(const QMenu* menu)
{
    const QList<QAction*> actions = menu->actions();
    const auto it = std::find_if(actions.begin(), actions.end(), [](const QAction* action) {
        return !action->isSeparator() && action->isVisible() && action->isEnabled();
    });
    return it == actions.end() ? nullptr : *it;
}

}  // namespace

bool CLumoraDlg::OnBarKey(const QKeyEvent& key)
{
    switch (BarKeyOf(key)) {
    case EBarKey::None: return false;
    case EBarKey::NextEngine: StepEngine(1); break;
    case EBarKey::PreviousEngine: StepEngine(-1); break;
    case EBarKey::EngineMenu:
        OpenMenuFromKeys(EngineMenu(), m_layout.engineBox, kFirstEngineCommand + MarkedEnginePosition());
        break;
    case EBarKey::OptionsMenu: OpenMenuFromKeys(OptionsMenu(), m_layout.optionsBox, -1); break;
    }
    return true;
}

int CLumoraDlg::MarkedEnginePosition() const
{
    return m_engineMarked ? m_settings.engineIndex : -1;
}

// As if the user had chosen the entry in the engine menu.
void CLumoraDlg::StepEngine(int step)
{
    const int count = static_cast<int>(EngineMenuTexts(m_engines).size());
    const int next = StepPosition(MarkedEnginePosition(), count, step);
    if (next >= 0) OnCommand(kFirstEngineCommand + next);
}

// Returns when the menu has closed. The field loses the focus to the menu
// meanwhile; it gets it back with its text, cursor and selection as they were.
void CLumoraDlg::OpenMenuFromKeys(CCommandMenu* menu, const QRect& clientBox, int activeId)
{
    if (!menu) return;
    const int cursor = m_query->cursorPosition();
    const int selectionStart = m_query->selectionStart();
    const int selectionLength = m_query->selectionLength();

    QAction* active = activeId >= 0 ? menu->FindCommand(activeId) : nullptr;
    if (!active) active = FirstEntry(menu);
    // Opening the menu clears its active entry: set it once the menu is up.
    QTimer::singleShot(0, menu, [menu, active] {
        if (active && menu->isVisible()) menu->setActiveAction(active);
    });
    OpenPopup(menu, clientBox);

    m_query->setFocus(Qt::PopupFocusReason);
    if (selectionLength > 0 && cursor == selectionStart) {
        m_query->setSelection(selectionStart + selectionLength, -selectionLength);
    } else if (selectionLength > 0) {
        m_query->setSelection(selectionStart, selectionLength);
    } else {
        m_query->setCursorPosition(cursor);
    }
}
