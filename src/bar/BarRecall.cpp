// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Earlier searches: the bar's side of CSearchRecall, and the two options
// menu entries that govern it.
#include "bar/LumoraDlg.h"

#include "bar/SearchRecall.h"
#include "store/DataFolder.h"

#include <QLineEdit>

void CLumoraDlg::PrepareSearchRecall()
{
    if (!m_recall) {
        m_recall = new CSearchRecall(
            m_query, [this] { return CompletionLookOf(*this); }, this);
        // A clicked entry is searched as if typed and entered, the keyboard
        // given back first as after Enter.
        connect(m_recall, &CSearchRecall::entryChosen, this, [this] {
            m_summon.End(true);
            RunSearch(m_query->text().toStdString());
        });
        // Auto hide held the bar down for the list; it may decide now.
        connect(m_recall, &CSearchRecall::listClosed, &m_autoHide, &CAutoHide::WakePolls);
    }
    m_recall->SetEnabled(m_ini.history);
}

void CLumoraDlg::RecordSearch(const std::string& query)
{
    if (m_recall) m_recall->Record(query);
}

// Written at once, not only at Close: a bar that dies later must not start
// remembering again.
void CLumoraDlg::ToggleRememberSearches()
{
    m_ini.history = !m_ini.history;
    m_recall->SetEnabled(m_ini.history);
    CreateDataFolder();
    SaveIniSettings(GetAppDataPath(kIniSuffix), m_iniFile, m_ini);
}

void CLumoraDlg::ClearHistory()
{
    m_recall->Clear();
}
