// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/X11Window.h"

#include <QGuiApplication>
#include <QWidget>
#include <QtGui/qguiapplication_platform.h>

#include <xcb/xcb.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

xcb_intern_atom_cookie_t RequestAtom(xcb_connection_t* connection, const char* name)
{
    return xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(std::strlen(name)), name);
}

xcb_atom_t AtomReply(xcb_connection_t* connection, xcb_intern_atom_cookie_t cookie)
{
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(connection, cookie, nullptr);
    const xcb_atom_t atom = reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
    std::free(reply);
    return atom;
}

// Adds the skip-taskbar and skip-pager states to the unmapped window's
// _NET_WM_STATE. Window managers read the property when the window is mapped;
// Qt merges its own states (stays-on-top) into what it finds there. A client
// message sent after mapping comes too late for openbox.
void AddSkipStates(xcb_connection_t* connection, xcb_window_t window)
{
    // All requests first, then the replies: one round trip instead of three.
    const xcb_intern_atom_cookie_t cookies[] = {RequestAtom(connection, "_NET_WM_STATE"),
                                                RequestAtom(connection, "_NET_WM_STATE_SKIP_TASKBAR"),
                                                RequestAtom(connection, "_NET_WM_STATE_SKIP_PAGER")};
    const xcb_atom_t state = AtomReply(connection, cookies[0]);
    const xcb_atom_t wanted[] = {AtomReply(connection, cookies[1]), AtomReply(connection, cookies[2])};
    if (state == XCB_ATOM_NONE) return;

    std::vector<xcb_atom_t> atoms;
    const xcb_get_property_cookie_t cookie = xcb_get_property(connection, 0, window, state, XCB_ATOM_ATOM, 0, 1024);
    if (xcb_get_property_reply_t* reply = xcb_get_property_reply(connection, cookie, nullptr)) {
        if (reply->type == XCB_ATOM_ATOM && reply->format == 32) {
            const auto* first = static_cast<const xcb_atom_t*>(xcb_get_property_value(reply));
            atoms.assign(first, first + xcb_get_property_value_length(reply) / 4);
        }
        std::free(reply);
    }
    for (xcb_atom_t atom : wanted)
        if (atom != XCB_ATOM_NONE && std::find(atoms.begin(), atoms.end(), atom) == atoms.end()) atoms.push_back(atom);

    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, window, state, XCB_ATOM_ATOM, 32,
                        static_cast<std::uint32_t>(atoms.size()), atoms.data());
    xcb_flush(connection);
}

}  // namespace

void MakeDockWindow(QWidget* window)
{
    window->setWindowFlags(Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    if (QGuiApplication::platformName() != QLatin1String("xcb")) return;

    // Qt 6.4 drops the dock type silently unless the native window exists.
    const WId id = window->winId();
    window->setAttribute(Qt::WA_X11NetWmWindowTypeDock);

    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (x11 && x11->connection()) AddSkipStates(x11->connection(), static_cast<xcb_window_t>(id));
}

QPoint WindowSystemPosition(const QWidget* window)
{
    const QPoint qtPosition = window->geometry().topLeft();
    if (QGuiApplication::platformName() != QLatin1String("xcb") || !window->internalWinId()) return qtPosition;
    // Native and logical pixels differ only with Qt's own scaling; the X
    // server's answer is then left aside rather than converted.
    if (window->devicePixelRatioF() != 1.0) return qtPosition;
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t* connection = x11 ? x11->connection() : nullptr;
    if (!connection) return qtPosition;

    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    if (!screen) return qtPosition;
    const auto id = static_cast<xcb_window_t>(window->internalWinId());
    const xcb_translate_coordinates_cookie_t cookie = xcb_translate_coordinates(connection, id, screen->root, 0, 0);
    xcb_translate_coordinates_reply_t* reply = xcb_translate_coordinates_reply(connection, cookie, nullptr);
    if (!reply) return qtPosition;
    const QPoint real(reply->dst_x, reply->dst_y);
    std::free(reply);
    return real;
}
