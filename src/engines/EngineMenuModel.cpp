#include "EngineMenuModel.h"
