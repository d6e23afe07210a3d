// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "store/EngineList.h"

#include <array>
#include <span>
#include <string_view>

// One row of the built-in catalogue.
struct SCatalogRow {
    std::string_view name;
    std::string_view url;
    std::string_view abbreviation;
    std::string_view group;
    std::string_view selected;  // "true" or "false"
};

// The 79 built-in engines, in menu order.
std::span<const SCatalogRow> BuiltInCatalog();

// The group names offered by the engine edit dialog; "Other" is the last.
std::span<const std::string_view> GroupList();

// Replaces the whole list with the built-in engines.
void BuildDefaultCatalog(CEngineList& engines);
