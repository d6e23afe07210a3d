// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "menus/EngineMenu.h"

#include "engines/EngineMenuModel.h"
#include "options/OptionTable.h"

#include <QActionGroup>
#include <QString>

CEngineMenu::CEngineMenu(QWidget* parent)
    : CCommandMenu(EAlign::Left, parent)
{}

void CEngineMenu::Rebuild(const CEngineList& engines)
{
    // clear() deletes the entries this menu owns; the old group goes with them.
    clear();
    delete m_group;
    m_group = NewRadioGroup();

    // An "&" in a name stays in the text: Qt shows it as a mnemonic, the
    // following character underlined, just as the entry would elsewhere.
    int id = kFirstEngineCommand;
    for (const std::string& text : EngineMenuTexts(engines)) {
        AddRadioCommand(this, QString::fromStdString(text), id++, m_group);
    }
    AddRows(EngineMenuTrailerRows());
}

void CEngineMenu::CheckEngine(int id)
{
    CheckMenuRadioItem(kFirstEngineCommand, kLastEngineCommand, id);
}
