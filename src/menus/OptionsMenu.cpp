// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "menus/OptionsMenu.h"

#include "options/OptionTable.h"
#include "store/Settings.h"

COptionsMenu::COptionsMenu(QWidget* parent)
    : CCommandMenu(EAlign::Right, parent)
{
    AddRows(OptionsMenuRows());
}

void COptionsMenu::ShowSettings(const SSettings& settings)
{
    for (const SOption* option : kOptions) {
        const int value = OptionValue(settings, *option);
        if (option->isSwitch) {
            CheckMenuItem(option->firstCommand, value != 0);
        } else if (option != &kEngineOption) {
            const int marked = IsValidValue(*option, value) ? CommandFor(*option, value) : -1;
            CheckMenuRadioItem(option->firstCommand, LastCommand(*option), marked);
        }
    }
}
