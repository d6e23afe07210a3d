#include "DataFolder.h"
