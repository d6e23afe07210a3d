#include "CatalogFile.h"
