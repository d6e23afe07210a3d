#pragma once

class QWidget;

// Makes `window` a borderless, always-on-top window without a taskbar or
// pager entry that window managers neither frame nor clamp onto the screen
// (a "dock"). Call once, before the window is first shown. On platforms
// other than xcb only the window flags are set.
void MakeDockWindow(QWidget* window);
