// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Sends a window a synthetic ConfigureNotify, as a window manager does after
// it has moved or reparented a client, claiming the position given on the
// command line. The window itself does not move: only what its program is
// told about it changes.
//
// Usage: send_configure_notify <window id> <x> <y>
#include <xcb/xcb.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

int main(int argc, char* argv[])
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s <window id> <x> <y>\n", argv[0]);
        return 2;
    }
    const auto window = static_cast<xcb_window_t>(std::strtoul(argv[1], nullptr, 0));
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection)) {
        std::fprintf(stderr, "%s: cannot connect to the X display\n", argv[0]);
        return 1;
    }

    xcb_get_geometry_reply_t* geometry =
        xcb_get_geometry_reply(connection, xcb_get_geometry(connection, window), nullptr);
    if (!geometry) {
        std::fprintf(stderr, "%s: no window %s\n", argv[0], argv[1]);
        xcb_disconnect(connection);
        return 1;
    }

    // xcb_send_event copies exactly 32 bytes.
    char buffer[32];
    std::memset(buffer, 0, sizeof buffer);
    auto* event = reinterpret_cast<xcb_configure_notify_event_t*>(buffer);
    event->response_type = XCB_CONFIGURE_NOTIFY;
    event->event = window;
    event->window = window;
    event->above_sibling = XCB_NONE;
    event->x = static_cast<int16_t>(std::atoi(argv[2]));
    event->y = static_cast<int16_t>(std::atoi(argv[3]));
    event->width = geometry->width;
    event->height = geometry->height;
    event->border_width = geometry->border_width;
    event->override_redirect = 0;
    std::free(geometry);

    xcb_send_event(connection, 0, window, XCB_EVENT_MASK_STRUCTURE_NOTIFY, buffer);
    const bool ok = xcb_flush(connection) > 0 && !xcb_connection_has_error(connection);
    xcb_disconnect(connection);
    return ok ? 0 : 1;
}
