// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Prints how many pixels of a screen rectangle are not pure white, as the
// screen shows them (read from the root window).
//
// Usage: count_ink <x> <y> <width> <height>
#include <xcb/xcb.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

int main(int argc, char* argv[])
{
    if (argc != 5) {
        std::fprintf(stderr, "usage: %s <x> <y> <width> <height>\n", argv[0]);
        return 2;
    }
    const int x = std::atoi(argv[1]);
    const int y = std::atoi(argv[2]);
    const int width = std::atoi(argv[3]);
    const int height = std::atoi(argv[4]);
    if (width <= 0 || height <= 0) {
        std::fprintf(stderr, "%s: empty rectangle\n", argv[0]);
        return 2;
    }
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection)) {
        std::fprintf(stderr, "%s: cannot connect to the X display\n", argv[0]);
        return 1;
    }
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    xcb_get_image_reply_t* image = xcb_get_image_reply(
        connection,
        xcb_get_image(connection, XCB_IMAGE_FORMAT_Z_PIXMAP, screen->root, static_cast<int16_t>(x),
                      static_cast<int16_t>(y), static_cast<uint16_t>(width), static_cast<uint16_t>(height), ~0u),
        nullptr);
    // Depth 24 in 32 bits a pixel, as Xvfb's root has it.
    const int length = image ? xcb_get_image_data_length(image) : 0;
    if (!image || length < width * height * 4) {
        std::fprintf(stderr, "%s: cannot read the rectangle\n", argv[0]);
        std::free(image);
        xcb_disconnect(connection);
        return 1;
    }
    const uint8_t* data = xcb_get_image_data(image);
    long ink = 0;
    for (int i = 0; i < width * height; ++i) {
        const uint8_t* pixel = data + 4 * i;
        if (pixel[0] != 0xFF || pixel[1] != 0xFF || pixel[2] != 0xFF) ++ink;
    }
    std::printf("%ld\n", ink);
    std::free(image);
    xcb_disconnect(connection);
    return 0;
}
