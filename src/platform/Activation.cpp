// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/Activation.h"

#include <QApplication>
#include <QGuiApplication>
#include <QWidget>
#include <QtGui/qguiapplication_platform.h>

#include "platform/XcbSupport.h"

#include <cstdlib>
#include <cstring>
#include <memory>
#include <string_view>

namespace {

constexpr std::uint32_t kSourcePager = 2;

std::string_view Env(const char* name)
{
    const char* value = std::getenv(name);
    return value ? std::string_view(value) : std::string_view();
}

// Whether a window manager runs that takes activation requests.
bool ManagerTakesActivation(xcb_connection_t* connection, xcb_window_t root, xcb_atom_t activeWindow)
{
    const xcb_atom_t supported = InternAtom(connection, "_NET_SUPPORTED");
    if (supported == XCB_ATOM_NONE || activeWindow == XCB_ATOM_NONE) return false;
    const auto cookie = xcb_get_property(connection, 0, root, supported, XCB_ATOM_ATOM, 0, 4096);
    const TXcbReply<xcb_get_property_reply_t> reply(xcb_get_property_reply(connection, cookie, nullptr));
    if (!reply || reply->format != 32) return false;
    const auto* atoms = static_cast<const xcb_atom_t*>(xcb_get_property_value(reply.get()));
    const int count = xcb_get_property_value_length(reply.get()) / 4;
    for (int i = 0; i < count; ++i)
        if (atoms[i] == activeWindow) return true;
    return false;
}

// The server's current time, read from the property change of a window of
// our own on a connection of our own: Qt's connection keeps its events, and
// its latest event time is not public.
std::uint32_t ServerTime()
{
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    std::uint32_t time = XCB_CURRENT_TIME;
    if (!xcb_connection_has_error(connection)) {
        const xcb_window_t window = xcb_generate_id(connection);
        const std::uint32_t mask = XCB_EVENT_MASK_PROPERTY_CHANGE;
        xcb_create_window(connection, XCB_COPY_FROM_PARENT, window, RootWindow(connection), -1, -1, 1, 1, 0,
                          XCB_WINDOW_CLASS_INPUT_ONLY, XCB_COPY_FROM_PARENT, XCB_CW_EVENT_MASK, &mask);
        // An empty append changes nothing but still reports the change.
        xcb_change_property(connection, XCB_PROP_MODE_APPEND, window, XCB_ATOM_WM_NAME, XCB_ATOM_STRING, 8, 0, nullptr);
        xcb_flush(connection);
        while (xcb_generic_event_t* event = xcb_wait_for_event(connection)) {
            const TXcbReply<xcb_generic_event_t> owned(event);
            if ((event->response_type & 0x7f) == XCB_PROPERTY_NOTIFY) {
                time = reinterpret_cast<const xcb_property_notify_event_t*>(event)->time;
                break;
            }
        }
    }
    xcb_disconnect(connection);
    return time;
}

// Returns false where no window manager would act on the request.
bool SendActiveWindowRequest(QWidget* window, std::uint32_t userTime)
{
    xcb_connection_t* connection = QtXcbConnection();
    if (!connection || !window->internalWinId()) return false;
    const xcb_window_t root = RootWindow(connection);
    const xcb_atom_t activeWindow = InternAtom(connection, "_NET_ACTIVE_WINDOW");
    if (!ManagerTakesActivation(connection, root, activeWindow)) return false;

    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = static_cast<xcb_window_t>(window->internalWinId());
    message.type = activeWindow;
    // A pager's request: window managers with focus-stealing prevention
    // grant it, where they refuse an application asking for itself.
    message.data.data32[0] = kSourcePager;
    message.data.data32[1] = userTime != 0 ? userTime : ServerTime();
    message.data.data32[2] = XCB_WINDOW_NONE;
    xcb_send_event(connection, 0, root, XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
                   reinterpret_cast<const char*>(&message));
    xcb_flush(connection);
    return true;
}

}  // namespace

void RequestActivation(QWidget* window, std::uint32_t userTime)
{
    window = window->window();
    window->raise();
    const bool sent =
        QGuiApplication::platformName() == QLatin1String("xcb") && SendActiveWindowRequest(window, userTime);
    // With no window manager to ask, Qt sets the input focus itself.
    if (!sent) window->activateWindow();
    window->setFocus(Qt::ActiveWindowFocusReason);
}

void AdoptActivationToken()
{
    const std::string_view platform = Env("QT_QPA_PLATFORM");
    if (!platform.empty() && platform != "xcb" && !platform.starts_with("xcb:")) return;
    const std::string token(Env("XDG_ACTIVATION_TOKEN"));
    if (token.empty()) return;
    if (Env("DESKTOP_STARTUP_ID").empty()) setenv("DESKTOP_STARTUP_ID", token.c_str(), 1);
    // Used up: programs the bar starts (the browser) must not present it again.
    unsetenv("XDG_ACTIVATION_TOKEN");
}

bool InputHeldElsewhere(const QWidget* window)
{
    if (QApplication::activePopupWidget()) return true;
    const QWidget* modal = QApplication::activeModalWidget();
    return modal && modal != window;
}
