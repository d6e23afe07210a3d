#include "bar/LumoraDlg.h"

#include "engines/Catalog.h"
#include "platform/Desktop.h"
#include "store/CatalogFile.h"
#include "store/DataFolder.h"

// A settings file that is missing, short or unreadable gives the defaults,
// which also make the data folder for the first save.
void CLumoraDlg::LoadSettingsOrDefaults()
{
    const int desktopWidth = GetDesktopRect().width();
    if (!LoadSettings(GetAppDataPath(kSettingsSuffix), m_settings, desktopWidth, width()))
        SetDefaultSettings(m_settings, desktopWidth, width());
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
    m_windowRect = geometry();
    m_settings.barLeft = m_windowRect.left();
    SaveSettings(GetAppDataPath(kSettingsSuffix), m_settings);
    SaveCatalog(GetAppDataPath(kCatalogSuffix), m_engines);
    accept();
}
