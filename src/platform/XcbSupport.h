// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The few xcb pieces every X11 caller in the Qt layer needs.

#include <xcb/xcb.h>

#include <cstdlib>
#include <memory>

// Qt's own connection to the X server; nullptr on any other platform.
xcb_connection_t* QtXcbConnection();

// The first screen's root window; XCB_WINDOW_NONE where there is none.
xcb_window_t RootWindow(xcb_connection_t* connection);

// The atom of `name`, or XCB_ATOM_NONE when the server gives none.
xcb_atom_t InternAtom(xcb_connection_t* connection, const char* name);

// xcb replies are malloc'ed and owned by the caller.
struct SXcbFree {
    void operator()(void* p) const { std::free(p); }
};
template <typename T>
using TXcbReply = std::unique_ptr<T, SXcbFree>;
