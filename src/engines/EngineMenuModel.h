// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "options/OptionTable.h"
#include "store/EngineList.h"
#include "store/SSearch.h"

#include <string>
#include <vector>

// Entry texts, "name [abbreviation]", of the selected engines in list order,
// at most kMaxEngineEntries of them; entry k carries command 300 + k.
std::vector<std::string> EngineMenuTexts(const CEngineList& engines);

// The k-th selected engine (from 0), or the null record.
SSearch EngineAtMenuPosition(const CEngineList& engines, int k);

// The menu position of the first selected engine with the same name, address
// and abbreviation as `engine` (group, flag and extra may differ; an address
// brought up to date from `engine`'s built-in one counts as the same), or -1
// when no such engine has an entry in the menu.
int MenuPositionOf(const CEngineList& engines, const SSearch& engine);
