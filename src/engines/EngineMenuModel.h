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
