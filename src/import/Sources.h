// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "import/ImportTypes.h"
#include "import/KdeProviders.h"

#include <string>
#include <vector>

// Where to look: the user's home and data folders and the system's.
struct SImportPlaces {
    std::string home;
    std::string configHome;                    // $XDG_CONFIG_HOME, else home/.config
    std::string dataHome;                      // $XDG_DATA_HOME, else home/.local/share
    std::vector<std::string> systemDataDirs;   // $XDG_DATA_DIRS, else /usr/local/share and /usr/share
    std::vector<std::string> firefoxInstalls;  // where Firefox may be installed, most likely first
    std::string etc = "/etc";                  // system configuration (Firefox's policies)

    static SImportPlaces FromEnvironment();
};

enum class ESourceKind {
    Firefox,
    Chromium,
    Kde,
    OpenSearch
};

// One place engines can come from: a browser profile, the KDE web
// shortcuts, or an OpenSearch file.
struct SImportSource {
    ESourceKind kind = ESourceKind::Firefox;
    std::string label;  // "Firefox (default-release)"
    std::string group;  // what imported engines get as their group: "Firefox"
    std::string path;   // profile folder or file
    std::vector<SKdeFolder> kdeFolders;
    std::vector<std::string> firefoxInstalls;  // Firefox: its installations
    std::string etc;                           // Firefox: where /etc is
};

// Every source found under `places`, in a fixed order: Firefox profiles,
// the Chromium family's profiles, KDE. Only looks; reads no engine yet.
std::vector<SImportSource> FindImportSources(const SImportPlaces& places);

// The engines of one source. Browser files are read from private copies and
// never written; whatever is missing, locked, damaged, too large or hostile
// comes back as `unreadable`, with the file's name in front.
SImportResult ReadImportSource(const SImportSource& source);

// An OpenSearch file the user picked.
SImportSource OpenSearchSource(const std::string& path);
