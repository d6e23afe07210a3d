#include "BarPainter.h"
