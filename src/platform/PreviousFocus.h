// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>

// The window that has the keyboard focus before the bar takes it, so that
// it can get it back. 0 stands for none (also for a Wayland window, which
// has no X name), and for every platform but xcb.
std::uint32_t FocusedWindowId();

// Gives the focus back to window `id` when it still exists and is on
// screen. Otherwise (0 included) the caller lets go of the focus in the way
// the window manager answers by focusing the window it had before.
void ReturnFocusTo(std::uint32_t id);
