// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The bar summoned with the text selected in another program, by the
// second hotkey or "lumora --selection".
#include "bar/LumoraDlg.h"

#include "platform/SelectedText.h"
#include "store/QueryText.h"

#include <QLineEdit>

// The selection is read before the bar takes the focus: nothing the bar
// does on the way may change it. The cursor goes to the start, so that an
// abbreviation typed first picks the engine. A second request while the
// first is still being read is the same request.
void CLumoraDlg::SummonWithSelection(std::uint32_t userTime)
{
    if (!m_selectionReader) m_selectionReader = new CSelectionReader(this);
    m_selectionReader->Read([this, userTime](const QString& selected) {
        const std::string text = CleanQueryText(selected.toStdString(), kMaxSelectionCharacters);
        Summon(userTime);
        if (text.empty()) return;
        m_query->setText(QString::fromStdString(text));
        m_query->setCursorPosition(0);
    });
}
