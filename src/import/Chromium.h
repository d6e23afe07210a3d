#pragma once

#include "import/ImportTypes.h"

struct sqlite3;

// The `keywords` table of a Chromium-family profile's "Web Data": name,
// keyword and address of each engine. Engines with a prepopulate_id (shipped
// with the browser) or a starter pack id are listed as not made by the user,
// and so are engines the user switched off; POST engines are skipped.
SImportResult ReadChromiumKeywords(sqlite3* db);
