// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "store/EngineList.h"

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

// What became of a built-in engine since its template was written.
enum class EEngineFate : std::uint8_t {
    Alive,   // still answers; today's form is https and without tracking
    Moved,   // the service lives at another address
    Closed,  // the service is gone
};

// Today's form of one built-in template.
struct SNewerForm {
    std::string_view builtIn;  // the built-in template, byte for byte
    EEngineFate fate;
    int year;                // closed: the year it closed; else the year of the source
    std::string_view today;  // today's template; empty when closed or not known
};

// One row per built-in template whose engine is known to be alive, moved or
// closed; engines nobody could vouch for have no row.
std::span<const SNewerForm> NewerForms();

// The row whose built-in template is `url` byte for byte, or nullptr.
const SNewerForm* FindNewerForm(std::string_view url);

// One change the update would make to an entry of a list.
struct SBuiltInUpdate {
    std::int32_t entry;
    const SNewerForm* form;
};

// The entries that still hold a built-in template with a newer form: moved or
// alive ones whose today's form is known, and closed ones still ticked. An
// entry whose template the user changed is never among them, and neither is
// one the update has already brought up to date.
std::vector<SBuiltInUpdate> FindBuiltInUpdates(const CEngineList& engines);

// Gives each chosen entry its today's template, and unticks each closed one,
// or removes it when `deleteClosed`; names, abbreviations, groups and ticks
// stay. Entries are those of FindBuiltInUpdates on the same list.
void ApplyBuiltInUpdates(CEngineList& engines, std::span<const SBuiltInUpdate> chosen, bool deleteClosed);
