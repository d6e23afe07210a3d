// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "desktop/DesktopEntry.h"

#include <gtest/gtest.h>

#include <string>

// A desktop entry of the fixtures folder, e.g. "debian12/chromium.desktop".
inline SDesktopEntry FixtureEntry(const std::string& name)
{
    SDesktopEntry entry;
    EXPECT_TRUE(ReadDesktopEntry(std::string(LUMORA_DESKTOP_FIXTURES) + "/" + name, entry)) << name;
    return entry;
}
