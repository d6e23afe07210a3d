// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

// The per-user application-data folder followed by `suffix` (which starts
// with '/'): $XDG_CONFIG_HOME, or ~/.config when it is unset or not absolute.
std::string GetAppDataPath(const std::string& suffix);

// The per-user state folder followed by `suffix`: $XDG_STATE_HOME, or
// ~/.local/state when it is unset or not absolute.
std::string GetStatePath(const std::string& suffix);

inline constexpr const char* kDataFolderSuffix = "/Lumora/";
inline constexpr const char* kSettingsSuffix = "/Lumora/data1.lmr";
inline constexpr const char* kCatalogSuffix = "/Lumora/catalog.lmr";

// Creates the folder (and missing parents); failures are ignored.
void CreateDataFolder();
