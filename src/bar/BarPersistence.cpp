#include "bar/LumoraDlg.h"

#include "engines/Catalog.h"
#include "platform/Desktop.h"

void CLumoraDlg::LoadSettingsOrDefaults()
{
    SetDefaultSettings(m_settings, GetDesktopRect().width(), width());
}

void CLumoraDlg::LoadCatalogOrBuiltIn()
{
    BuildDefaultCatalog(m_engines);
}

void CLumoraDlg::SaveAndClose()
{
    accept();
}
