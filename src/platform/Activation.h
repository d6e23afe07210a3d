#pragma once

#include <cstdint>

class QWidget;

// Raises the top-level `window` and asks the window system to give it the
// keyboard focus, on behalf of a user action at `userTime` (the window
// system's timestamp of the key press; 0 when there is none).
void RequestActivation(QWidget* window, std::uint32_t userTime);
