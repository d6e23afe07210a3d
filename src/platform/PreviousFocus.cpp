// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/PreviousFocus.h"

#include "platform/XcbSupport.h"

#include <cstring>
#include <optional>

namespace {

// The window a root-window property names: nullopt without the property,
// 0 where it names none.
std::optional<xcb_window_t> RootWindowProperty(xcb_connection_t* connection, const char* name)
{
    const xcb_atom_t atom = InternAtom(connection, name);
    if (atom == XCB_ATOM_NONE) return std::nullopt;
    const auto cookie = xcb_get_property(connection, 0, RootWindow(connection), atom, XCB_ATOM_WINDOW, 0, 1);
    const TXcbReply<xcb_get_property_reply_t> reply(xcb_get_property_reply(connection, cookie, nullptr));
    if (!reply || reply->type != XCB_ATOM_WINDOW || reply->format != 32 ||
        xcb_get_property_value_length(reply.get()) < 4)
        return std::nullopt;
    xcb_window_t window = 0;
    std::memcpy(&window, xcb_get_property_value(reply.get()), sizeof window);
    return window;
}

bool Viewable(xcb_connection_t* connection, xcb_window_t window)
{
    const TXcbReply<xcb_get_window_attributes_reply_t> attributes(
        xcb_get_window_attributes_reply(connection, xcb_get_window_attributes(connection, window), nullptr));
    return attributes && attributes->map_state == XCB_MAP_STATE_VIEWABLE;
}

// No X window to name: the window manager is to choose, as it does when the
// focused window goes away.
// WORKAROUND: mutter then focuses its most recent window when the focus is
// set to the root window, and nobody when it is set to None. (kwin 5.27 gives
// the bar the focus back either way.)
void LetGoOfFocus(xcb_connection_t* connection)
{
    xcb_set_input_focus(connection, XCB_INPUT_FOCUS_NONE, RootWindow(connection), XCB_CURRENT_TIME);
}

}  // namespace

std::uint32_t FocusedWindowId()
{
    xcb_connection_t* connection = QtXcbConnection();
    if (!connection) return 0;
    // A window manager that keeps the active window is believed, also when it
    // names none: then a Wayland window, or no window, has the keyboard, and
    // the X focus rests on a helper window of the manager's own.
    if (const auto managed = RootWindowProperty(connection, "_NET_ACTIVE_WINDOW")) return *managed;

    const TXcbReply<xcb_get_input_focus_reply_t> focus(
        xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr));
    xcb_window_t window = focus ? focus->focus : 0;
    // PointerRoot and None are no window to go back to.
    if (window == XCB_INPUT_FOCUS_POINTER_ROOT || window == RootWindow(connection)) window = 0;
    return window;
}

void ReturnFocusTo(std::uint32_t id)
{
    xcb_connection_t* connection = QtXcbConnection();
    if (!connection) return;
    if (id == 0 || !Viewable(connection, id)) {
        LetGoOfFocus(connection);
    } else if (RootWindowProperty(connection, "_NET_ACTIVE_WINDOW").value_or(0) != 0) {
        // A window manager that keeps the active window is asked as a pager
        // would ask it; without one the focus is set directly.
        const xcb_atom_t atom = InternAtom(connection, "_NET_ACTIVE_WINDOW");
        xcb_client_message_event_t event{};
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
