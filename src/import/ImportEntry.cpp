// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "import/ImportModule.h"

extern "C" __attribute__((visibility("default"))) const SImportFunctions* lumora_import_functions()
{
    static constexpr SImportFunctions functions{
        &SImportPlaces::FromEnvironment,
        &FindImportSources,
        &ReadImportSource,
        &OpenSearchSource,
    };
    return &functions;
}
