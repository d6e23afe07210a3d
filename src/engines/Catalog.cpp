#include "Catalog.h"
