// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "import/Sources.h"

#include <string>
#include <vector>

// The importers as one table of entry points. The bar's program does not
// link them: they live in a module of their own (lumora-import.so, beside
// the program), loaded the first time the user imports, so SQLite and LZ4
// never load at start-up. Tests and tools link them in.
struct SImportFunctions {
    SImportPlaces (*placesFromEnvironment)();
    std::vector<SImportSource> (*findSources)(const SImportPlaces& places);
    SImportResult (*readSource)(const SImportSource& source);
    SImportSource (*openSearchSource)(const std::string& path);
};

// The module's file name.
inline constexpr const char* kImportModuleName = "lumora-import.so";

// Defined once by the importers (ImportEntry.cpp), in the module and in
// programs that link them in.
extern "C" const SImportFunctions* lumora_import_functions();

// The importers: linked into this program, else loaded from the module
// beside it on first use. Null when neither is there; `problem` (when given)
// then says why in one line.
const SImportFunctions* ImportFunctions(std::string* problem = nullptr);
