#include "BarLook.h"
