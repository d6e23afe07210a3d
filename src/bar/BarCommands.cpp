// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The bar's command routing, its menus and the dialogs its commands open.
#include "bar/LumoraDlg.h"

#include "bar/BarAccessible.h"
#include "bar/EngineHint.h"
#include "dialogs/AboutDlg.h"
#include "dialogs/CatalogDlg.h"
#include "dialogs/ProductLinks.h"
#include "engines/EngineMenuModel.h"
#include "menus/EngineMenu.h"
#include "menus/OptionsMenu.h"
#include "options/OptionTable.h"
#include "platform/AddressOpener.h"

#include <QFontDialog>
#include <QFontInfo>
#include <QLineEdit>
#include <QScreen>

#include <algorithm>
#include <cmath>

namespace {

// A chosen entry reaches the bar after its menu has closed, like a posted
// command: a handler may rebuild the very menu whose entry was chosen (the
// catalogue behind "Edit...") or end the bar, neither of which is safe while
// the menu is still delivering the click.
void RouteCommands(CCommandMenu* menu, CLumoraDlg* bar)
{
    QObject::connect(menu, &CCommandMenu::command, bar, &CLumoraDlg::OnCommand, Qt::QueuedConnection);
}

// The character height in pixels that the settings keep as a negative
// fontHeight. Fonts from the dialog usually come in points; those are turned
// into pixels at the screen's logical resolution, which is what the font
// will be drawn at.
int PixelHeight(const QFont& font, const QWidget* widget)
{
    if (font.pixelSize() > 0) return font.pixelSize();
    const QScreen* screen = widget->screen();
    const double dpi = screen ? screen->logicalDotsPerInchY() : 96.0;
    return std::max(1, static_cast<int>(std::lround(font.pointSizeF() * dpi / 72.0)));
}

// What the font dialog starts from: the face and style really in use. The
// dialog lists installed faces only, so a stored face that is missing (the
// default "Tahoma", say) would otherwise leave it on some other face; and
// without a style name it guesses the style and may pick an oblique one for
// a regular font.
QFont DialogStartFont(const QFont& font)
{
    const QFontInfo used(font);
    QFont start = font;
    start.setFamily(used.family());
    start.setStyleName(used.styleName());
    return start;
}

}  // namespace

void CLumoraDlg::OnCommand(int id)
{
    const SCommand command = DecodeCommand(id);
    switch (command.command) {
    case ECommand::ChooseEngine: ChooseEngine(command.value); break;
    case ECommand::EditCatalog: OnCommand(kCatalogCommand); break;
    case ECommand::HelpTopics: OpenAddress(kHelpPageAddress); break;
    case ECommand::CheckUpdate:
    case ECommand::HomePage: OpenAddress(kHomePageAddress); break;
    case ECommand::ContactForm: break;  // the about box links to the contact form
    case ECommand::About: RunAboutBox(); break;
    case ECommand::ColorScheme:
        ApplyColorScheme(command.value);
        update();
        break;
    case ECommand::RandomScheme: ApplyRandomScheme(); break;
    case ECommand::Transparency: ApplyTransparency(command.value); break;
    case ECommand::Rounding: ApplyRounding(command.value); break;
    case ECommand::ButtonView: ApplyButtonView(command.value); break;
    case ECommand::AutoHide: ToggleAutoHide(); break;
    case ECommand::Catalog: RunCatalogDialog(); break;
    case ECommand::Font: ChooseQueryFont(); break;
    case ECommand::Hotkey: RunHotkeyDialog(); break;
    case ECommand::Close: SaveAndClose(); break;
    case ECommand::RememberSearches: ToggleRememberSearches(); break;
    case ECommand::ClearHistory: ClearHistory(); break;
    case ECommand::Unknown: break;
    }
    ShowMarks();
    if (m_accessible) m_accessible->Refresh();
}

CEngineMenu* CLumoraDlg::EngineMenu()
{
    if (!m_engineMenu) BuildEngineMenu();
    return m_engineMenu;
}

COptionsMenu* CLumoraDlg::OptionsMenu()
{
    if (!m_optionsMenu) BuildOptionsMenu();
    return m_optionsMenu;
}

void CLumoraDlg::BuildOptionsMenu()
{
    if (m_optionsMenu) return;  // built once; afterwards only its marks change
    m_optionsMenu = new COptionsMenu(this);
    RouteCommands(m_optionsMenu, this);
    ShowMarks();
}

void CLumoraDlg::BuildEngineMenu()
{
    if (!m_engineMenu) {
        m_engineMenu = new CEngineMenu(this);
        RouteCommands(m_engineMenu, this);
    }
    m_engineMenu->Rebuild(m_engines);
    ShowMarks();
}

void CLumoraDlg::ShowMarks()
{
    if (m_optionsMenu) m_optionsMenu->ShowSettings(m_settings);
    if (m_optionsMenu) m_optionsMenu->CheckMenuItem(kRememberSearchesCommand, m_ini.history);
    if (m_engineMenu) m_engineMenu->CheckEngine(m_engineMarked ? kFirstEngineCommand + m_settings.engineIndex : -1);
}

void CLumoraDlg::ChooseEngine(int k)
{
    m_current = EngineAtMenuPosition(m_engines, k);
    m_settings.engineIndex = k;
    m_engineMarked = true;
    // At once, so the new name shows while a dialog or menu is still up.
    repaint(m_layout.engineBox);
}

// The dialog works on its own copy of the engine list; only OK hands it back.
// A sort, a move or a delete shifts the engines' menu positions, so the stored
// position follows the current engine to wherever it now is: the mark, the
// bar and the next start then name the same engine. When it has no menu
// entry any more, the bar keeps it until the next choice and the menu shows
// no mark.
void CLumoraDlg::RunCatalogDialog()
{
    CCatalogDlg catalog(m_engines, this);
    if (catalog.exec() != QDialog::Accepted) return;
    m_engines.CopyFrom(catalog.WorkingList());
    const int position = MenuPositionOf(m_engines, m_current);
    m_engineMarked = position >= 0;
    if (m_engineMarked) {
        m_settings.engineIndex = position;
        // The same engine, perhaps brought up to date in the dialog: search
        // with what the list now holds.
        m_current = EngineAtMenuPosition(m_engines, position);
    }
    if (m_engineMenu) BuildEngineMenu();
    m_engineHint->Refresh();
}

void CLumoraDlg::RunAboutBox()
{
    CAboutDlg about(this);
    about.exec();
}

// Whatever the dialog offers (bold, underline, strike-out) shows for this
// run; only face, height, a weight flag and slant are kept for the next.
void CLumoraDlg::ChooseQueryFont()
{
    bool ok = false;
    const QFont chosen = QFontDialog::getFont(&ok, DialogStartFont(m_queryFont), this);
    if (!ok) return;

    m_queryFont = chosen;
    m_query->setFont(m_queryFont);
    m_settings.SetFaceName(chosen.family().toStdString());
    m_settings.fontHeight = -PixelHeight(chosen, this);
    // A flag, not a weight: every font weight Qt knows is above zero.
    m_settings.fontWeightFlag = chosen.weight() != 0 ? 1 : 0;
    m_settings.fontItalic = chosen.italic() ? 1 : 0;
}
