// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <chrono>

// The bar's window and control rectangles in dialog units (8-point dialog
// font). Everything the bar draws is placed from these at start-up.
struct SDialogItem {
    int id;
    int x, y, width, height;
};

inline constexpr int kBarWidthDu = 140;
inline constexpr int kBarHeightDu = 37;

// Never shown: its rectangle is the box that shows the engine's name.
inline constexpr SDialogItem kEngineButton{1003, 6, 5, 84, 10};
// The query field.
inline constexpr SDialogItem kQueryEdit{1000, 10, 19, 120, 12};
// Never shown: its rectangle is the options box.
inline constexpr SDialogItem kOptionsButton{1001, 116, 6, 17, 8};

// Pixel height the query field is given, whatever the template says.
inline constexpr int kEditHeight = 18;
// Rows of a hidden bar that stay on screen.
inline constexpr int kPullStripHeight = 3;
// Screen y of the shown bar's top edge: the top outline row sits just above the screen.
inline constexpr int kShownTop = -2;

// Timing of auto hide and the pin: a poll decides this long after the last
// crossing or move; the pin looks this long after the bar was moved down.
inline constexpr std::chrono::milliseconds kPollPeriod{500};
inline constexpr std::chrono::milliseconds kPinDelay{100};
// Vertical step of the show and hide movements.
inline constexpr int kSlideStep = 5;
// Input-free time after which the query field's cursor stops blinking.
inline constexpr std::chrono::milliseconds kBlinkIdle{10000};
