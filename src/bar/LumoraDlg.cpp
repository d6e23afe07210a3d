// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "bar/LumoraDlg.h"

#include "bar/BarAccessible.h"
#include "bar/BarLook.h"
#include "bar/BarNotice.h"
#include "bar/BarPainter.h"
#include "bar/BarScreen.h"
#include "bar/BarTemplate.h"
#include "bar/DialogPlacer.h"
#include "bar/EngineHint.h"
#include "bar/SearchRecall.h"
#include "engines/Catalog.h"
#include "engines/Dispatch.h"
#include "engines/EngineMenuModel.h"
#include "menus/EngineMenu.h"
#include "menus/OptionsMenu.h"
#include "options/OptionTable.h"
#include "platform/Activation.h"
#include "platform/AddressOpener.h"
#include "platform/Desktop.h"
#include "platform/DialogUnits.h"
#include "platform/X11Window.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPalette>
#include <QTimer>

#include <algorithm>
#include <cstdlib>
#include <utility>

namespace {

bool IsEnterKey(int key)
{
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

// WORKAROUND: a new QLineEdit lays its text out first in the application's
// font, then in its parent's, before it is given its own: each loads a font
// engine the bar never shows, a fontconfig match apiece (4.4M of the first
// frame's instructions, twice what it then adds to a bare window's).
// The field is made while the default query font stands in for both.
QLineEdit* MakeQueryField(QWidget* bar)
{
    const QFont applicationFont = QApplication::font();
    const QFont queryFont = MakeQueryFont(kBarFaceName, kDefaultFontHeight, false);
    QApplication::setFont(queryFont);
    bar->setFont(queryFont);
    auto* field = new QLineEdit(bar);
    field->setFont(queryFont);
    bar->setFont(QFont());
    QApplication::setFont(applicationFont);
    return field;
}

}  // namespace

CLumoraDlg::CLumoraDlg()
    : m_hIcon(AppIconImage32()),
      m_autoHide(
          this, [this] { return m_settings.autoHide != 0; },
          [this] { return m_summon.IsActive() || (m_recall && m_recall->HoldsBarDown()) || NoticeShown(); }),
      m_summon(this, m_autoHide)
{
    setWindowIcon(m_hIcon);
    m_query = MakeQueryField(this);
    m_query->setFrame(false);
    // The field is drawn white whatever the desktop theme; the edit on top
    // of it must blend in.
    QPalette fieldColors = m_query->palette();
    fieldColors.setColor(QPalette::Base, Qt::white);
    fieldColors.setColor(QPalette::Text, Qt::black);
    m_query->setPalette(fieldColors);
    // Keys reach the bar only through the query field.
    setFocusProxy(m_query);
    m_query->installEventFilter(this);
    m_engineHint = new CEngineHint(
        m_query,
        [this](const QString& text) {
            const SSearch engine = EngineForQuery(m_engines, text.toStdString());
            return IsNull(engine) ? QString() : QString::fromStdString(engine.name);
        },
        [this] { return DimmedOnField(m_colors.text); });

    setFixedSize(DialogUnitsToPixelsX(kBarWidthDu), DialogUnitsToPixelsY(kBarHeightDu));
    // Every paint covers the whole window.
    setAttribute(Qt::WA_OpaquePaintEvent);
    MakeDockWindow(this);
    // Hover and auto hide need the moves of a pointer with no button down.
    setMouseTracking(true);
    connect(&m_autoHide, &CAutoHide::PointerLeft, this, [this] { m_summon.OnCrossing(false); });
    // Dialogs open below the bar's shown place, never under it.
    new CDialogPlacer([this] { return m_autoHide.ShownRect(); }, this);

    m_barScreen = new CBarScreen(this, m_autoHide);
    OnInitDialog();
    m_barScreen->Watch();
}

// The recall goes before the members its signals reach; the children would
// go only after them.
CLumoraDlg::~CLumoraDlg()
{
    delete m_recall;
}

// Later steps read what earlier ones set: the layout needs the bar's size,
// the default x needs its width, the engine choice needs the engine list.
// The menus are not needed for the first frame and wait for their first use.
void CLumoraDlg::OnInitDialog()
{
    m_hoverEngine = false;

    LayOutBar();
    RemoveLeftoverTempFiles();
    // The remembered monitor (lumora.ini) decides what the stored x means.
    LoadIniOrDefaults();
    LoadSettingsOrDefaults();
    LoadCatalogOrBuiltIn();
    PrepareSearchRecall();

    // Moving before the dialog is shown also keeps QDialog from centring it.
    m_autoHide.PlaceAt(m_settings.barLeft);

    ApplyColorScheme(m_settings.colorScheme);
    ApplyFonts();

    // The stored options are replayed through the commands their menu
    // entries send, so the bar goes through the same steps as for a choice.
    OnCommand(kFirstRoundingCommand + m_settings.rounding);
    // A mouse move at the top-left corner gives the query field the focus
    // and, with auto hide on, starts the hide poll.
    OnMouseMove(QPoint(0, 0));
    OnCommand(kFirstEngineCommand + m_settings.engineIndex);
    OnCommand(kFirstTransparencyCommand + m_settings.transparency);
    OnCommand(kFirstButtonViewCommand + m_settings.buttonView);
    StartTimers();
    // The hotkey is grabbed after the first frame (AfterFirstFrame); the
    // object exists now for a Hotkey dialog opened before that.
    PrepareHotkey();
}

// The first frame needs neither of these: the hotkey grab waits on the X
// server, the icon at all its sizes is hundreds of kilobytes to decode and
// upload. Both follow the frame at once.
void CLumoraDlg::AfterFirstFrame()
{
    if (m_startupFinished) return;
    m_startupFinished = true;
    if (QApplication::windowIcon().isNull()) QApplication::setWindowIcon(AppIcon());
    m_hIcon = QApplication::windowIcon();
    setWindowIcon(m_hIcon);
    GrabStoredHotkey();
    m_recall->Load();
    // What screen readers see: three buttons the first frame can do without
    // (their styles and fonts cost as much as the rest of the bar's start).
    // A press on a box does what a click on it does.
    m_accessible = new CBarAccessible(this, {[this] { OpenPopup(EngineMenu(), m_layout.engineBox); },
                                             [this] { OpenPopup(OptionsMenu(), m_layout.optionsBox); },
                                             [this] { RunSearch(m_query->text().toStdString()); }});
}

// Window managers that prevent focus stealing (kwin) give a new window the
// keyboard only when asked the right way, and only while it is new: the
// request follows the map on the same connection, before the first frame.
void CLumoraDlg::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (m_everShown) return;
    m_everShown = true;
    QTimer::singleShot(0, this, [this] { TakeKeyboard(0); });
}

void CLumoraDlg::Summon(std::uint32_t userTime)
{
    m_summon.Begin();
    RequestActivation(this, userTime);
    m_query->setFocus(Qt::ShortcutFocusReason);
    m_query->selectAll();
}

void CLumoraDlg::RunSearch(std::string query, ESearchWindow window)
{
    const std::string typed = query;
    const std::string address = BuildSearchAddress(std::move(query), m_current, m_engines);
    // An empty address (no current engine) would only make the opener print
    // its usage.
    if (address.empty()) return;
    if (window == ESearchWindow::Private) {
        OpenPrivateWindow(address);
        return;
    }
    // A notice of an earlier private search is old news.
    if (m_notice) m_notice->hide();
    OpenAddress(address);
    RecordSearch(typed);
}

// The key pre-filter. Enter searches on every press, auto-repeat included,
// and then goes on to the field as usual; the field keeps its text.
bool CLumoraDlg::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_query && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (OnBarKey(*key)) return true;
        if (m_recall->OnFieldKey(*key)) return true;
        if (IsEnterKey(key->key())) {
            const std::string query = m_query->text().toStdString();
            if (key->modifiers() & Qt::ShiftModifier) {
                RunSearch(query, ESearchWindow::Private);
                // When nothing could open, the bar stays down with the
                // notice why.
                if (!NoticeShown()) m_summon.End(true);
            } else {
                // A summoned bar has done its job. The keyboard goes back
                // before the browser starts, so that a browser raising
                // itself always comes after, and keeps it.
                m_summon.End(true);
                RunSearch(query);
            }
        }
    } else if (watched == m_query && event->type() == QEvent::ContextMenu &&
               static_cast<QContextMenuEvent*>(event)->reason() == QContextMenuEvent::Keyboard) {
        // The Menu key opens the options menu; X sends it again as a context
        // menu request, which must not open the field's own menu after it.
        return true;
    } else if (watched == m_query && event->type() == QEvent::MouseButtonPress) {
        TakeKeyboard(static_cast<std::uint32_t>(static_cast<QMouseEvent*>(event)->timestamp()));
    }
    return QDialog::eventFilter(watched, event);
}

// QDialog ends itself on Escape and presses its default button on Enter. The
// bar ends only through its own close command or the window manager.
void CLumoraDlg::keyPressEvent(QKeyEvent* event)
{
    // Keys the query field leaves alone come here, so F1 works from it too.
    if (event->key() == Qt::Key_F1) {
        OnHelp();
        event->accept();
        return;
    }
    if (event->key() == Qt::Key_Escape || IsEnterKey(event->key())) {
        // Escape never ends the bar; it only sends a summoned bar back.
        if (event->key() == Qt::Key_Escape) m_summon.End(true);
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void CLumoraDlg::TakeKeyboard(std::uint32_t userTime)
{
    if (isActiveWindow()) {
        m_query->setFocus();
        return;
    }
    RequestActivation(this, userTime);
}

void CLumoraDlg::paintEvent(QPaintEvent*)
{
    SBarPaintState state;
    state.width = width();
    state.height = height();
    state.layout = m_layout;
    state.colors = m_colors;
    state.rounding = m_settings.rounding;
    state.buttonView = m_settings.buttonView;
    state.hoverEngine = m_hoverEngine;
    state.engineName = QString::fromStdString(m_current.name);
    state.engineFont = m_engineFont;

    QPainter painter(this);
    PaintBar(painter, state);
    painter.end();

    // The frame goes to the X server when this paint returns; what it did
    // not need comes next.
    if (m_everPainted) return;
    m_everPainted = true;
    QTimer::singleShot(0, this, &CLumoraDlg::AfterFirstFrame);
}
