// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

// Runs before QApplication exists. Qt aborts (with a core dump where those are
// on) when it cannot reach its display, so the bar checks for one itself.

// On a Wayland session run through XWayland: the bar's window recipe (dock
// type, skip-taskbar state, negative y) needs X11. Leaves an explicit
// QT_QPA_PLATFORM alone.
void PreferXWayland();

// Empty when the platform Qt will use can start; otherwise one line naming
// the problem. Only xcb is probed; offscreen, minimal and any other platform
// the user asked for pass.
std::string DisplayProblem();

// PreferXWayland, then DisplayProblem; prints the problem to stderr and
// returns false when there is one.
bool PrepareDisplay();
