// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "common/FileBytes.h"

#include <filesystem>
#include <string>

// A file from tests/store/fixtures.
inline Bytes Fixture(const std::string& name)
{
    return ReadBytes(std::filesystem::path(LUMORA_STORE_FIXTURES) / name);
}
