// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/PreviousFocus.h"

#include <QGuiApplication>
#include <QtGui/qguiapplication_platform.h>

#include "platform/XcbSupport.h"

#include <cstdlib>
#include <cstring>

namespace {

// The window manager's word on the active window; 0 without one.
xcb_window_t ManagedActiveWindow(xcb_connection_t* connection, xcb_atom_t atom)
{
    if (atom == XCB_ATOM_NONE) return 0;
    const xcb_get_property_cookie_t cookie =
        xcb_get_property(connection, 0, RootWindow(connection), atom, XCB_ATOM_WINDOW, 0, 1);
    xcb_get_property_reply_t* reply = xcb_get_property_reply(connection, cookie, nullptr);
    xcb_window_t window = 0;
    if (reply && reply->type == XCB_ATOM_WINDOW && reply->format == 32 && xcb_get_property_value_length(reply) >= 4)
        std::memcpy(&window, xcb_get_property_value(reply), sizeof window);
    std::free(reply);
    return window;
}

}  // namespace

std::uint32_t FocusedWindowId()
{
    xcb_connection_t* connection = QtXcbConnection();
    if (!connection) return 0;
    if (const xcb_window_t managed = ManagedActiveWindow(connection, InternAtom(connection, "_NET_ACTIVE_WINDOW")))
        return managed;

    xcb_get_input_focus_reply_t* focus =
        xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr);
    xcb_window_t window = focus ? focus->focus : 0;
    std::free(focus);
    // PointerRoot and None are no window to go back to.
    if (window == XCB_INPUT_FOCUS_POINTER_ROOT || window == RootWindow(connection)) window = 0;
    return window;
}

void ReturnFocusTo(std::uint32_t id)
{
    xcb_connection_t* connection = QtXcbConnection();
    if (!connection || id == 0) return;

    xcb_get_window_attributes_reply_t* attributes =
        xcb_get_window_attributes_reply(connection, xcb_get_window_attributes(connection, id), nullptr);
    const bool viewable = attributes && attributes->map_state == XCB_MAP_STATE_VIEWABLE;
    std::free(attributes);
    if (!viewable) return;

    const xcb_atom_t atom = InternAtom(connection, "_NET_ACTIVE_WINDOW");
    // A window manager that keeps the active window is asked as a pager
    // would ask it; without one the focus is set directly.
    if (ManagedActiveWindow(connection, atom) != 0) {
        xcb_client_message_event_t event;
        std::memset(&event, 0, sizeof event);
        event.response_type = XCB_CLIENT_MESSAGE;
        event.format = 32;
        event.window = id;
        event.type = atom;
        event.data.data32[0] = 2;
        event.data.data32[1] = XCB_CURRENT_TIME;
        xcb_send_event(connection, 0, RootWindow(connection),
                       XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                       reinterpret_cast<const char*>(&event));
    } else {
        xcb_set_input_focus(connection, XCB_INPUT_FOCUS_PARENT, id, XCB_CURRENT_TIME);
    }
    xcb_flush(connection);
}
