#include "EngineList.h"
