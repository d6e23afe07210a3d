// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "DataFolder.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

#include <pwd.h>
#include <unistd.h>

namespace {

std::string HomeFolder()
{
    if (const char* home = std::getenv("HOME"); home && *home) return home;
    if (const passwd* pw = ::getpwuid(::getuid()); pw && pw->pw_dir) return pw->pw_dir;
    return {};
}

}  // namespace

std::string GetAppDataPath(const std::string& suffix)
{
    // A relative XDG_CONFIG_HOME is invalid and must be ignored.
    if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg && xdg[0] == '/') return xdg + suffix;
    return HomeFolder() + "/.config" + suffix;
}

std::string GetStatePath(const std::string& suffix)
{
    if (const char* xdg = std::getenv("XDG_STATE_HOME"); xdg && xdg[0] == '/') return xdg + suffix;
    return HomeFolder() + "/.local/state" + suffix;
}

void CreateDataFolder()
{
    std::string folder = GetAppDataPath(kDataFolderSuffix);
    // Some library versions report an error for a trailing separator.
    while (folder.size() > 1 && folder.back() == '/') folder.pop_back();
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
}
