// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "menus/CommandMenu.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QSignalSpy>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

// One line per entry of `menu` (not descending into submenus):
//   "---"                separator
//   "Title >"            submenu
//   "Text #id"           plain entry
//   "Text #id radio"     entry with a radio mark (exclusive group)
//   "Text #id check"     entry with an ordinary check mark
inline std::vector<std::string> Describe(const QMenu* menu)
{
    std::vector<std::string> lines;
    for (const QAction* action : menu->actions()) {
        if (action->isSeparator()) {
            lines.push_back("---");
            continue;
        }
        if (const QMenu* sub = action->menu()) {
            lines.push_back(sub->title().toStdString() + " >");
            continue;
        }
        std::string line = action->text().toStdString() + " #" + std::to_string(CommandId(action));
        if (action->isCheckable()) {
            const QActionGroup* group = action->actionGroup();
            line += group && group->isExclusive() ? " radio" : " check";
        }
        lines.push_back(line);
    }
    return lines;
}

// Every entry with a command id in the menu tree, in menu order.
inline std::vector<QAction*> CommandActions(const QMenu* menu)
{
    std::vector<QAction*> out;
    for (QAction* action : menu->actions()) {
        if (const QMenu* sub = action->menu()) {
            const std::vector<QAction*> inner = CommandActions(sub);
            out.insert(out.end(), inner.begin(), inner.end());
        } else if (CommandId(action) >= 0) {
            out.push_back(action);
        }
    }
    return out;
}

// Ids of the marked entries, ascending.
inline std::vector<int> Marks(const QMenu* menu)
{
    std::vector<int> ids;
    for (const QAction* action : CommandActions(menu)) {
        if (action->isChecked()) ids.push_back(CommandId(action));
    }
    std::sort(ids.begin(), ids.end());
    return ids;
}

// Triggers every entry of the menu tree in menu order; each must emit the
// menu's command signal exactly once, with its own id. `seen` gets the ids.
// Call through ASSERT_NO_FATAL_FAILURE.
inline void TriggerEveryEntry(CCommandMenu& menu, std::vector<int>& seen)
{
    for (QAction* action : CommandActions(&menu)) {
        QSignalSpy spy(&menu, &CCommandMenu::command);
        action->trigger();
        ASSERT_EQ(spy.count(), 1) << action->text().toStdString();
        EXPECT_EQ(spy.at(0).at(0).toInt(), CommandId(action));
        seen.push_back(CommandId(action));
    }
}
