#pragma once

#include "engines/SSearch.h"
#include "store/EngineList.h"

#include <string>
#include <vector>

// Command ids of the engine menu.
inline constexpr int kFirstEngineCommand = 300;
inline constexpr int kMaxEngineEntries = 51;  // 300..350
inline constexpr int kEditCatalogCommand = 351;

// Entry texts, "name [abbreviation]", of the selected engines in list order,
// at most kMaxEngineEntries of them; entry k carries command 300 + k.
std::vector<std::string> EngineMenuTexts(const CEngineList& engines);

// The k-th selected engine (from 0), or the null record.
SSearch EngineAtMenuPosition(const CEngineList& engines, int k);
