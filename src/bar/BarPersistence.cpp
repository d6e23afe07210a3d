// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "bar/LumoraDlg.h"

#include "bar/BarScreen.h"
#include "engines/Catalog.h"
#include "platform/X11Window.h"
#include "store/AtomicFile.h"
#include "store/CatalogFile.h"
#include "store/DataFolder.h"
#include "store/IniFile.h"

#include <limits>

// Saves killed half-way (the process ended between writing the temporary
// file and renaming it) leave the temporary behind; nothing else would ever
// remove it.
void CLumoraDlg::RemoveLeftoverTempFiles()
{
    RemoveInterruptedSaves(GetAppDataPath(kSettingsSuffix));
    RemoveInterruptedSaves(GetAppDataPath(kCatalogSuffix));
    RemoveInterruptedSaves(GetAppDataPath(kIniSuffix));
}

// A settings file that is missing, short or unreadable gives the defaults,
// which also make the data folder for the first save. The stored x is
// checked against the bar's monitor, not here: any x the file holds passes.
void CLumoraDlg::LoadSettingsOrDefaults()
{
    constexpr int kAnyLeft = std::numeric_limits<int>::max();
    const bool stored = LoadSettings(GetAppDataPath(kSettingsSuffix), m_settings, kAnyLeft, width());
    if (!stored) SetDefaultSettings(m_settings, kAnyLeft, width());
    m_settings.barLeft = m_barScreen->Start(QString::fromStdString(m_ini.screen), m_settings.barLeft, stored);
}

// A damaged catalogue may leave part of its records in the list; the built-in
// catalogue replaces them.
void CLumoraDlg::LoadCatalogOrBuiltIn()
{
    if (!LoadCatalog(GetAppDataPath(kCatalogSuffix), m_engines)) BuildDefaultCatalog(m_engines);
}

// Both saves replace their file atomically, so a failed one leaves the last
// good file behind; either way the bar ends.
void CLumoraDlg::SaveAndClose()
{
    m_settings.barLeft = WindowSystemPosition(this).x();
    m_ini.screen = m_barScreen->Remembered().toStdString();
    SaveSettings(GetAppDataPath(kSettingsSuffix), m_settings);
    SaveCatalog(GetAppDataPath(kCatalogSuffix), m_engines);
    SaveIniSettings(GetAppDataPath(kIniSuffix), m_iniFile, m_ini);
    accept();
}
