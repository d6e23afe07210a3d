// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>

class QWidget;

// Asks the window manager to give the top-level `window` the keyboard, in the
// way window managers with focus-stealing prevention honour (kwin refuses a
// plain focus request from a window that was not clicked): a _NET_ACTIVE_WINDOW
// request marked as coming from a pager, with the time of the user's action.
// Then raises the window and gives its focus widget the focus.
//
// `userTime` is the X server time of the user action behind the request (a
// click's timestamp); 0 takes the server's current time. Off xcb only the
// Qt part (raise, activate, focus) happens.
void RequestActivation(QWidget* window, std::uint32_t userTime);

// Whether a popup menu or another window's modal dialog holds the input, so
// `window` hears nothing of the pointer's comings and goings until it closes.
bool InputHeldElsewhere(const QWidget* window);

// Before QApplication exists, once the platform is chosen: a launcher on a
// Wayland session hands the new program an XDG_ACTIVATION_TOKEN; for an X11
// program the same token serves as the startup-notification id
// (DESKTOP_STARTUP_ID), which Qt puts on the first window it maps. An id the
// launcher set itself is kept; other platforms are left alone.
void AdoptActivationToken();
