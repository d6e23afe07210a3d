#include "bar/LumoraDlg.h"

#include "engines/EngineMenuModel.h"

void CLumoraDlg::BuildOptionsMenu() {}
void CLumoraDlg::BuildEngineMenu() {}

void CLumoraDlg::ChooseEngine(int k)
{
    m_current = EngineAtMenuPosition(m_engines, k);
    m_settings.engineIndex = k;
    update(m_engineBox);
}

void CLumoraDlg::RunCatalogDialog() {}
void CLumoraDlg::RunAboutBox() {}
void CLumoraDlg::ChooseQueryFont() {}
