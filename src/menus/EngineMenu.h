// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "menus/CommandMenu.h"

class CEngineList;
class QActionGroup;

// The engine menu: one entry per selected engine, "name [abbreviation]",
// commands 300 + k, then a separator and "Edit..." (351). Opens left-aligned
// under the engine-name box.
class CEngineMenu : public CCommandMenu {
    Q_OBJECT

public:
    explicit CEngineMenu(QWidget* parent = nullptr);

    // Replaces every entry with those of the selected engines of `engines`.
    // No entry is marked afterwards.
    void Rebuild(const CEngineList& engines);

    // Moves the radio mark to engine entry `id`; without such an entry no
    // engine entry keeps a mark.
    void CheckEngine(int id);

private:
    QActionGroup* m_group = nullptr;
};
