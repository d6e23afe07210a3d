#include "TextUtil.h"
