// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "import/ImportTypes.h"

struct sqlite3;

// The `keywords` table of a Chromium-family profile's "Web Data": name,
// keyword and address of each engine. Engines with a prepopulate_id (shipped
// with the browser) or a starter pack id are listed as not made by the user,
// and so are engines the user switched off, engines set by policy (their
// featured "@keyword" copy is not listed again) and engines a site added
// while the user browsed it; POST engines are skipped. The first input
// encoding is the engine's charset.
SImportResult ReadChromiumKeywords(sqlite3* db);
