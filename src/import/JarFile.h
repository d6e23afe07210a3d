// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// One file out of a zip archive held in memory, such as Firefox's omni.ja:
// stored or deflated, at most kMaxImportBytes once unpacked. Mozilla's
// optimised jars (central directory at the front) read as well. Returns
// false with `error` set ("missing", "damaged", ...) otherwise.
bool ReadJarEntry(const std::vector<std::uint8_t>& jar, std::string_view name, std::vector<std::uint8_t>& out,
                  std::string& error);
