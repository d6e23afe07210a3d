// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Holds a key combination on the root window as another program would, so
// that the bar finds it taken. Prints "grabbed" once it holds it and keeps
// it until killed.
//
// Usage: grab_key <keysym> <modifier mask>   (space: 0x20; Control+Mod1: 12)
#include <xcb/xcb.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include <unistd.h>

int main(int argc, char* argv[])
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s <keysym> <modifier mask>\n", argv[0]);
        return 2;
    }
    const auto keysym = static_cast<xcb_keysym_t>(std::strtoul(argv[1], nullptr, 0));
    const auto modifiers = static_cast<std::uint16_t>(std::strtoul(argv[2], nullptr, 0));
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection)) {
        std::fprintf(stderr, "%s: cannot connect to the X display\n", argv[0]);
        return 1;
    }
    // The first keycode with the keysym in any column.
    const xcb_setup_t* setup = xcb_get_setup(connection);
    const int count = setup->max_keycode - setup->min_keycode + 1;
    xcb_get_keyboard_mapping_reply_t* mapping = xcb_get_keyboard_mapping_reply(
        connection, xcb_get_keyboard_mapping(connection, setup->min_keycode, static_cast<std::uint8_t>(count)),
        nullptr);
    xcb_keycode_t keycode = 0;
    if (mapping) {
        const xcb_keysym_t* keysyms = xcb_get_keyboard_mapping_keysyms(mapping);
        for (int i = 0; i < count * mapping->keysyms_per_keycode && !keycode; ++i) {
            if (keysyms[i] == keysym)
                keycode = static_cast<xcb_keycode_t>(setup->min_keycode + i / mapping->keysyms_per_keycode);
        }
        std::free(mapping);
    }
    if (!keycode) {
        std::fprintf(stderr, "%s: no key for keysym %s\n", argv[0], argv[1]);
        return 1;
    }
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    xcb_generic_error_t* error =
        xcb_request_check(connection, xcb_grab_key_checked(connection, 1, root, modifiers, keycode, XCB_GRAB_MODE_ASYNC,
                                                           XCB_GRAB_MODE_ASYNC));
    if (error) {
        std::fprintf(stderr, "%s: the grab failed (error %d)\n", argv[0], error->error_code);
        return 1;
    }
    std::printf("grabbed\n");
    std::fflush(stdout);
    for (;;) pause();
}
