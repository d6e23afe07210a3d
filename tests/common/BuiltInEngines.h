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
