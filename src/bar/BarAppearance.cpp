// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "bar/LumoraDlg.h"

#include "bar/BarLook.h"

#include <QLineEdit>

#include <algorithm>
#include <cstdlib>
#include <random>

namespace {

// Seeded once: seeding from the clock at each use would repeat the same
// draws for every click within one second.
std::mt19937& SchemeRandom()
{
    static std::mt19937 generator{std::random_device{}()};
    return generator;
}

}  // namespace

void CLumoraDlg::ApplyColorScheme(int scheme)
{
    m_settings.colorScheme = scheme;
    if (const SColorScheme* colors = FindColorScheme(scheme)) m_colors = *colors;
}

// Never keeps the scheme in use, so the colours always change.
void CLumoraDlg::ApplyRandomScheme()
{
    std::uniform_int_distribution<int> pick(0, kSchemeCount - 1);
    int scheme = pick(SchemeRandom());
    while (scheme == m_settings.colorScheme) scheme = pick(SchemeRandom());
    ApplyColorScheme(scheme);
    update();
}

void CLumoraDlg::ApplyRounding(int level)
{
    m_settings.rounding = level;
    // Only the bottom corners are cut; an unknown level keeps the whole window.
    setMask(BarWindowShape(size(), level));
    // Also flushes the new shape to the X server when this runs from a timer
    // while the bar is idle.
    update();
}

void CLumoraDlg::ApplyTransparency(int level)
{
    // The level is kept, never read back: Qt stores the opacity in 8 bits.
    setWindowOpacity(OpacityForLevel(level));
    m_settings.transparency = level;
    // Nothing changes in the bar itself; the repaint request only makes the
    // new opacity reach the X server while the bar is idle.
    update(m_layout.searchBox);
}

void CLumoraDlg::ApplyButtonView(int view)
{
    m_query->setGeometry(m_layout.editRect.x(), m_layout.editRect.y(),
                         EditWidthForView(view, m_layout.editRect.width(), m_layout.optionsBox.width()),
                         m_layout.editRect.height());
    m_settings.buttonView = view;
    update(m_layout.searchBox);
}

void CLumoraDlg::ApplyFonts()
{
    m_engineFont = MakeEngineFont();

    // The stored weight flag is never a real weight.
    m_queryFont = MakeQueryFont(m_settings.FaceName(), m_settings.fontHeight, m_settings.fontItalic != 0);
    m_query->setFont(m_queryFont);
}
