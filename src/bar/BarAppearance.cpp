#include "bar/LumoraDlg.h"

#include "bar/BarLook.h"

#include <QLineEdit>

#include <algorithm>
#include <cstdlib>

namespace {

// A font height as the settings hold it: negative is the character height in
// pixels, positive the cell height, 0 the face's default size.
void ApplyFontHeight(QFont& font, int height)
{
    if (height == 0) return;
    font.setPixelSize(std::clamp(std::abs(height), 1, 400));
}
} // namespace

void CLumoraDlg::ApplyColorScheme(int scheme)
{
    m_settings.colorScheme = scheme;
    if (const SColorScheme* colors = FindColorScheme(scheme)) {
        m_backColor = colors->back;
        m_boxColor = colors->box;
        m_lineColor = colors->line;
        m_textColor = colors->text;
    }
}

void CLumoraDlg::ApplyRandomScheme() {}
void CLumoraDlg::ApplyRounding(int level) { m_settings.rounding = level; }
void CLumoraDlg::ApplyTransparency(int level) { m_settings.transparency = level; }
void CLumoraDlg::ApplyButtonView(int view) { m_settings.buttonView = view; }

void CLumoraDlg::ApplyFonts()
{
    m_engineFont = MakeEngineFont();

    // The stored weight flag is never a real weight: the query font always
    // starts in the face's regular weight.
    m_queryFont = QFont(QString::fromStdString(m_settings.FaceName()));
    ApplyFontHeight(m_queryFont, m_settings.fontHeight);
    m_queryFont.setItalic(m_settings.fontItalic != 0);
    m_query->setFont(m_queryFont);
}
