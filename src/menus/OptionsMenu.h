// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "menus/CommandMenu.h"

struct SSettings;

// The options menu behind the bar's "..." box, built from the option table:
// "Auto Hide", the Rounding, Color, Transparent and Button View submenus,
// "Font...", "Catalog...", the Help submenu and "Close". Opens right-aligned
// under the options box. It knows nothing of the bar: a choice comes out as
// a command id, and the marks show whatever settings it is given.
class COptionsMenu : public CCommandMenu {
    Q_OBJECT

public:
    explicit COptionsMenu(QWidget* parent = nullptr);

    // Every radio mark and the "Auto Hide" check from the stored options; a
    // value out of range leaves its submenu unmarked.
    void ShowSettings(const SSettings& settings);

    QMenu* RoundingMenu() const { return FindSubmenu(QStringLiteral("Rounding")); }
    QMenu* ColorMenu() const { return FindSubmenu(QStringLiteral("Color")); }
    QMenu* TransparentMenu() const { return FindSubmenu(QStringLiteral("Transparent")); }
    QMenu* ButtonViewMenu() const { return FindSubmenu(QStringLiteral("Button View")); }
    QMenu* HelpMenu() const { return FindSubmenu(QStringLiteral("Help")); }
};
