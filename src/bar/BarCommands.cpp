#include "bar/LumoraDlg.h"
#include "engines/EngineMenuModel.h"

void CLumoraDlg::OnCommand(int id)
{
    if (id >= kFirstEngineCommand && id < kFirstEngineCommand + kMaxEngineEntries) {
        const int k = id - kFirstEngineCommand;
        m_current = EngineAtMenuPosition(m_engines, k);
        m_settings.engineIndex = k;
        update(m_engineBox);
    }
}
