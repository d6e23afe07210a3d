// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "desktop/DefaultBrowser.h"
#include "desktop/DesktopEntry.h"

#include <string>
#include <vector>

enum class EPrivateWindow {
    Ready,          // `argv` opens the address in a new private window
    NoBrowser,      // no default browser could be found
    NoPrivateMode,  // the browser is not one we know a private mode of
    BadEntry,       // its Exec line cannot be run safely
};

struct SPrivateLaunch {
    EPrivateWindow outcome = EPrivateWindow::NoBrowser;
    // The program first; the address is one argument of its own.
    std::vector<std::string> argv;
    // The browser's name for messages: its entry's Name, else its file name.
    std::string browserName;
};

// How this entry opens the address in a private window: its own action for
// one when it has it, otherwise the flag of the browser its Exec runs.
SPrivateLaunch PrivateWindowCommand(const SDesktopEntry& entry, const std::string& address);

// The same for the user's default browser.
SPrivateLaunch PrivateWindowLaunch(const SXdgDirs& dirs, const std::string& address);

// The flag that opens a private window of the browser `argv` runs (looking
// through env and flatpak run), and the index of that browser's argument;
// an empty flag when the browser is not known.
struct SBrowserProgram {
    std::string flag;
    std::size_t index = 0;
};
SBrowserProgram IdentifyBrowser(const std::vector<std::string>& argv);
