// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "bar/BarLook.h"
#include "bar/BarTemplate.h"
#include "bar/LumoraDlg.h"
#include "platform/DialogUnits.h"

#include <QLineEdit>

void CLumoraDlg::LayOutBar()
{
    m_layout.engineBox =
        DialogRectToPixels(kEngineButton.x, kEngineButton.y, kEngineButton.width, kEngineButton.height);
    m_layout.optionsBox =
        DialogRectToPixels(kOptionsButton.x, kOptionsButton.y, kOptionsButton.width, kOptionsButton.height);
    m_layout.editRect = DialogRectToPixels(kQueryEdit.x, kQueryEdit.y, kQueryEdit.width, kQueryEdit.height);

    const int w = width();
    const int h = height();
    m_layout.pullStrip = RectFromEdges(0, h - kPullStripHeight, w, h);

    m_layout.editRect.setHeight(kEditHeight);
    m_layout.fieldRect = m_layout.editRect;

    // The edit starts narrow, ending a little left of the search box, and is
    // widened only when the search button is switched off.
    m_query->setGeometry(m_layout.editRect.x(), m_layout.editRect.y(),
                         NarrowEditWidth(m_layout.editRect.width(), m_layout.optionsBox.width()),
                         m_layout.editRect.height());

    m_layout.fieldRect.adjust(-5, -2, 5, 2);

    // As wide as the options box, less one pixel, at the field's right end.
    const int right = RightEdge(m_layout.fieldRect);
    m_layout.searchBox = RectFromEdges(right - m_layout.optionsBox.width() + 1, m_layout.fieldRect.y(), right,
                                       BottomEdge(m_layout.fieldRect));
}
