#pragma once

#include <QRect>

// The primary screen's rectangle in logical pixels; the bar's positions are
// all relative to it. Empty when there is no screen at all.
QRect GetDesktopRect();
