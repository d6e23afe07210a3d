// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "store/EngineList.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// Parses a catalogue image. Empties `engines` first; on a format error returns
// false and leaves the records read so far in the list.
bool ReadCatalog(const std::uint8_t* data, std::size_t size, CEngineList& engines);

// The catalogue image of `engines`, 8-bit strings with length prefixes.
std::vector<std::uint8_t> WriteCatalog(const CEngineList& engines);

// File versions. LoadCatalog leaves the list untouched when the file cannot be
// opened; SaveCatalog writes atomically and leaves the old file on failure.
bool LoadCatalog(const std::string& path, CEngineList& engines);
bool SaveCatalog(const std::string& path, const CEngineList& engines);
