// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "import/ImportTypes.h"

#include <cstdint>
#include <string>
#include <vector>

// One KDE web shortcut: a search provider's .desktop file.
struct SKdeProvider {
    std::string name;
    std::vector<std::string> keys;
    std::string query;  // the desktop entry's escapes already undone
    std::string charset;
    bool hidden = false;
};

// Reads the [Desktop Entry] group of a provider file: Name=, Keys= (a comma
// list), Query=, Charset= and Hidden=. Localised keys and other groups are ignored.
SKdeProvider ParseKdeProvider(const std::vector<std::uint8_t>& bytes);

// A folder of provider files, the user's own or the system's.
struct SKdeFolder {
    std::string path;
    bool user = false;
};

// Every provider of the folders, the earlier folders first: a file name met
// again in a later folder is the same provider and stays as the earlier
// folder has it (so a user's file overrides or, with Hidden=true, removes
// the system's). The first key is the keyword.
SImportResult ReadKdeProviders(const std::vector<SKdeFolder>& folders);
