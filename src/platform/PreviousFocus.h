// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>

// The window that has the keyboard focus before the bar takes it, so that
// it can get it back. 0 stands for none, and for every platform but xcb.
std::uint32_t FocusedWindowId();

// Gives the focus back to window `id` when it still exists and is on
// screen; does nothing otherwise.
void ReturnFocusTo(std::uint32_t id);
