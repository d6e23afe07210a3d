// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <string>
#include <vector>

// The folders the XDG base directory rules name, most important first.
struct SXdgDirs {
    std::string configHome;               // $XDG_CONFIG_HOME
    std::vector<std::string> configDirs;  // $XDG_CONFIG_DIRS
    std::string dataHome;                 // $XDG_DATA_HOME
    std::vector<std::string> dataDirs;    // $XDG_DATA_DIRS
    // $XDG_CURRENT_DESKTOP in lower case, for <desktop>-mimeapps.list.
    std::vector<std::string> desktops;
};

// From the environment, with the rules' defaults for unset, empty or
// relative values ($HOME/.config, /etc/xdg, $HOME/.local/share,
// /usr/local/share:/usr/share).
SXdgDirs XdgDirsFromEnvironment();

// The mimeapps.list files in the order they are asked.
std::vector<std::string> MimeAppsFiles(const SXdgDirs& dirs);

// The path of the desktop entry with this id ("kde-foo.desktop" may be
// kde/foo.desktop) in the first applications folder that has it.
std::optional<std::string> FindDesktopFile(const SXdgDirs& dirs, const std::string& id);

// The desktop entry that opens this MIME type: the first installed default
// of the most important mimeapps.list that names one, else the first
// installed added association not removed, else the old defaults.list,
// else what update-desktop-database recorded (mimeinfo.cache). Installed:
// the entry file exists, is not Hidden, and its TryExec program exists.
std::optional<std::string> FindDefaultHandler(const SXdgDirs& dirs, const std::string& mimeType);

// The default web browser's entry: the handler of https, else of http.
std::optional<std::string> FindDefaultBrowser(const SXdgDirs& dirs);
