#include "bar/BarTemplate.h"
#include "bar/LumoraDlg.h"
#include "platform/DialogUnits.h"

#include <QLineEdit>

void CLumoraDlg::LayOutBar()
{
    m_windowRect = geometry();
    m_engineBox = DialogRectToPixels(kEngineButton.x, kEngineButton.y, kEngineButton.width, kEngineButton.height);
    m_optionsBox = DialogRectToPixels(kOptionsButton.x, kOptionsButton.y, kOptionsButton.width, kOptionsButton.height);
    m_editRect = DialogRectToPixels(kQueryEdit.x, kQueryEdit.y, kQueryEdit.width, kQueryEdit.height);

    const int w = width();
    const int h = height();
    m_pullStrip = RectFromEdges(0, h - kPullStripHeight, w, h);

    m_editRect.setHeight(kEditHeight);
    m_fieldRect = m_editRect;

    // The edit starts narrow, ending a little left of the search box, and is
    // widened only when the search button is switched off.
    m_query->setGeometry(m_editRect.x(), m_editRect.y(), m_editRect.width() - m_optionsBox.width() + 5,
                         m_editRect.height());

    m_fieldRect.adjust(-5, -2, 5, 2);

    // As wide as the options box, less one pixel, at the field's right end.
    const int right = RightEdge(m_fieldRect);
    m_searchBox = RectFromEdges(right - m_optionsBox.width() + 1, m_fieldRect.y(), right, BottomEdge(m_fieldRect));
}
