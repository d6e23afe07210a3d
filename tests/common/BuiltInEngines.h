// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "engines/Catalog.h"
#include "store/EngineList.h"

// The built-in catalogue as a fresh list.
inline CEngineList BuiltInEngines()
{
    CEngineList list;
    BuildDefaultCatalog(list);
    return list;
}
