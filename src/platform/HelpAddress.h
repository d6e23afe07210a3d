// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <filesystem>
#include <string>

// What F1 opens: "help.chm" when the working folder has one, otherwise the
// manual installed with the program (an HTML page), found from the folder
// of the running program. With neither, "help.chm" as before: the opener
// then says what is missing.
std::string HelpAddress();

// The same for given folders.
std::string HelpAddress(const std::filesystem::path& workingFolder, const std::filesystem::path& programFolder);
