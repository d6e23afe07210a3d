// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/DisplayCheck.h"

#include <cstdio>
#include <cstdlib>
#include <string_view>

#include <xcb/xcb.h>

namespace {

std::string_view Env(const char* name)
{
    const char* value = std::getenv(name);
    return value ? std::string_view(value) : std::string_view();
}

// "xcb", "xcb:display=..." and the default (unset or empty) all mean X11.
bool UsesXcb(std::string_view platform)
{
    return platform.empty() || platform == "xcb" || platform.starts_with("xcb:");
}

}  // namespace

void PreferXWayland()
{
    if (!Env("WAYLAND_DISPLAY").empty() && std::getenv("QT_QPA_PLATFORM") == nullptr)
        setenv("QT_QPA_PLATFORM", "xcb", 1);
}

std::string DisplayProblem()
{
    if (!UsesXcb(Env("QT_QPA_PLATFORM"))) return {};

    const std::string display(Env("DISPLAY"));
    if (display.empty()) {
        // A Wayland session without XWayland: the bar cannot be a native
        // Wayland window, so the user needs to know what is missing.
        if (!Env("WAYLAND_DISPLAY").empty())
            return "lumora: no X display for the bar (DISPLAY is not set); on Wayland, Lumora runs through XWayland";
        return "lumora: no display to show the bar on (DISPLAY is not set)";
    }

    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    const bool failed = xcb_connection_has_error(connection) != 0;
    xcb_disconnect(connection);  // also required for a failed connection
    if (failed) return "lumora: cannot open the X display \"" + display + "\"";
    return {};
}

bool PrepareDisplay()
{
    PreferXWayland();
    const std::string problem = DisplayProblem();
    if (problem.empty()) return true;
    std::fprintf(stderr, "%s\n", problem.c_str());
    return false;
}
