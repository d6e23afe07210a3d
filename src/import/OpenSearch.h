// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "import/ImportTypes.h"

#include <cstdint>
#include <vector>

// An OpenSearch description (OpenSearchDescription, or Mozilla's
// SearchPlugin form): ShortName and the text/html Url's template, with
// Mozilla's <Param> children appended for GET. A POST engine is skipped. A
// document type declaration (and with it every entity definition) makes the
// file unreadable, so no entity is ever expanded.
SImportResult ReadOpenSearch(const std::vector<std::uint8_t>& bytes);
