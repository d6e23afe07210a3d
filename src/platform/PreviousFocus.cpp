#include "platform/PreviousFocus.h"

#include <QGuiApplication>
#include <QtGui/qguiapplication_platform.h>

#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>

namespace {

xcb_connection_t* Connection()
{
    if (QGuiApplication::platformName() != QLatin1String("xcb")) return nullptr;
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->connection() : nullptr;
}

xcb_window_t Root(xcb_connection_t* connection)
{
    return xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
}

xcb_atom_t ActiveWindowAtom(xcb_connection_t* connection)
{
    static constexpr char kName[] = "_NET_ACTIVE_WINDOW";
    xcb_intern_atom_reply_t* reply =
        xcb_intern_atom_reply(connection, xcb_intern_atom(connection, 0, sizeof kName - 1, kName), nullptr);
    const xcb_atom_t atom = reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
    std::free(reply);
    return atom;
}

// The window manager's word on the active window; 0 without one.
xcb_window_t ManagedActiveWindow(xcb_connection_t* connection, xcb_atom_t atom)
{
    if (atom == XCB_ATOM_NONE) return 0;
    const xcb_get_property_cookie_t cookie =
        xcb_get_property(connection, 0, Root(connection), atom, XCB_ATOM_WINDOW, 0, 1);
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
    xcb_connection_t* connection = Connection();
    if (!connection) return 0;
    if (const xcb_window_t managed = ManagedActiveWindow(connection, ActiveWindowAtom(connection))) return managed;

    xcb_get_input_focus_reply_t* focus =
        xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr);
    xcb_window_t window = focus ? focus->focus : 0;
    std::free(focus);
    // PointerRoot and None are no window to go back to.
    if (window == XCB_INPUT_FOCUS_POINTER_ROOT || window == Root(connection)) window = 0;
    return window;
}

void ReturnFocusTo(std::uint32_t id)
{
    xcb_connection_t* connection = Connection();
    if (!connection || id == 0) return;

    xcb_get_window_attributes_reply_t* attributes =
        xcb_get_window_attributes_reply(connection, xcb_get_window_attributes(connection, id), nullptr);
    const bool viewable = attributes && attributes->map_state == XCB_MAP_STATE_VIEWABLE;
    std::free(attributes);
    if (!viewable) return;

    const xcb_atom_t atom = ActiveWindowAtom(connection);
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
        xcb_send_event(connection, 0, Root(connection),
                       XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                       reinterpret_cast<const char*>(&event));
    } else {
        xcb_set_input_focus(connection, XCB_INPUT_FOCUS_PARENT, id, XCB_CURRENT_TIME);
    }
    xcb_flush(connection);
}
