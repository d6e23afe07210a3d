// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "import/FirefoxConfig.h"
#include "import/ImportTypes.h"

#include <cstdint>
#include <string>
#include <vector>

struct sqlite3;

// Undoes Mozilla's "mozLz40\0" wrapping: the magic, the decompressed size
// (4 bytes, little-endian), then one LZ4 block. Returns false with `error`
// set for a wrong magic, a size above kMaxImportBytes, a damaged block or a
// block whose size differs from the one announced.
bool DecompressMozLz4(const std::vector<std::uint8_t>& bytes, std::vector<std::uint8_t>& out, std::string& error);

// The engines of Firefox's search settings (search.json, decompressed).
// Engines the application ships are listed as not made by the user, with
// their address from the installation's configuration (skipped with the
// reason when it has none for them); engines of a policy likewise, with
// their address from the policy, and the policy's engines Firefox has not
// added yet come too. Hidden engines and engines without a GET address for
// web pages are skipped.
SImportResult ReadFirefoxSearchJson(const std::vector<std::uint8_t>& json, const SFirefoxInstallation& install = {});

// The same from the file's bytes (search.json.mozlz4).
SImportResult ReadFirefoxSearchFile(const std::vector<std::uint8_t>& bytes, const SFirefoxInstallation& install = {});

// Keyword bookmarks of places.sqlite: moz_keywords joined to moz_places;
// the bookmark's title is the name. A keyword with POST data is skipped.
SImportResult ReadFirefoxPlaces(sqlite3* db);
