// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "store/EngineList.h"

#include <cstdint>
#include <vector>

// Catalogue columns, which are also the sort keys.
enum ECatalogColumn : int {
    kColumnName = 0,
    kColumnAbbreviation = 1,
    kColumnGroup = 2,
    kColumnCount = 3
};

// Sorts the list by a column's key, lower-cased (ASCII letters only) and
// compared as unsigned bytes. Entries with equal keys keep their order in
// both directions. Whole records move. Returns the old index of each entry's
// new position; lists of fewer than two entries, and unknown columns, stay
// as they are.
std::vector<std::int32_t> SortEngines(CEngineList& list, int column, bool ascending);
