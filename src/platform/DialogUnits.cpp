// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/DialogUnits.h"

namespace {

// round(du * base / divisor), halves up, also for negative units.
int Scale(int du, int base, int divisor)
{
    // floor(du * base / divisor + 1/2) == floor((2 * du * base + divisor) / (2 * divisor))
    const long long n = 2LL * du * base + divisor;
    const long long d = 2LL * divisor;
    long long q = n / d;
    if (n % d != 0 && n < 0) --q;  // floor, not truncation toward zero
    return static_cast<int>(q);
}

}  // namespace

int DialogUnitsToPixelsX(int du)
{
    return Scale(du, kDialogBaseUnitX, 4);
}
int DialogUnitsToPixelsY(int du)
{
    return Scale(du, kDialogBaseUnitY, 8);
}

QRect DialogRectToPixels(int x, int y, int width, int height)
{
    return RectFromEdges(DialogUnitsToPixelsX(x), DialogUnitsToPixelsY(y), DialogUnitsToPixelsX(x + width),
                         DialogUnitsToPixelsY(y + height));
}
