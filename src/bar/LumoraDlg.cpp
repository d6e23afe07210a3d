#include "bar/LumoraDlg.h"

#include "bar/BarPainter.h"
#include "bar/BarTemplate.h"
#include "bar/DialogPlacer.h"
#include "engines/Catalog.h"
#include "engines/Dispatch.h"
#include "engines/EngineMenuModel.h"
#include "options/OptionTable.h"
#include "platform/AddressOpener.h"
#include "platform/Desktop.h"
#include "platform/DialogUnits.h"
#include "platform/X11Window.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QPalette>

#include <algorithm>
#include <cstdlib>
#include <utility>

namespace {

bool IsEnterKey(int key)
{
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

}  // namespace

CLumoraDlg::CLumoraDlg()
    : m_hIcon(QApplication::windowIcon())
{
    setWindowIcon(m_hIcon);
    m_query = new QLineEdit(this);
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

    setFixedSize(DialogUnitsToPixelsX(kBarWidthDu), DialogUnitsToPixelsY(kBarHeightDu));
    // Every paint covers the whole window.
    setAttribute(Qt::WA_OpaquePaintEvent);
    MakeDockWindow(this);
    PrepareMouseAndTimers();
    // Dialogs open below the bar's shown place, never under it.
    new CDialogPlacer([this] { return QRect(QPoint(m_barLeft, kShownTop), size()); }, this);

    OnInitDialog();
}

CLumoraDlg::~CLumoraDlg() = default;

// Later steps read what earlier ones set: the layout needs the bar's size,
// the default x needs its width, the engine choice needs the engine list.
// The menus are not needed for the first frame and wait for their first use.
void CLumoraDlg::OnInitDialog()
{
    m_hoverEngine = false;
    m_dragging = false;
    m_shown = true;

    LayOutBar();
    RemoveLeftoverTempFiles();
    LoadSettingsOrDefaults();
    LoadCatalogOrBuiltIn();
    LoadIniOrDefaults();

    // Moving before the dialog is shown also keeps QDialog from centring it.
    m_barLeft = m_settings.barLeft;
    MoveBarTop(kShownTop);
    m_windowRect = BarRect();

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
    GrabStoredHotkey();
}

SBarLayout CLumoraDlg::Layout() const
{
    return {m_engineBox, m_optionsBox, m_searchBox, m_editRect, m_fieldRect, m_pullStrip};
}

SBarColors CLumoraDlg::Colors() const
{
    return {m_backColor, m_boxColor, m_lineColor, m_textColor};
}

void CLumoraDlg::RunSearch(std::string query)
{
    const std::string address = BuildSearchAddress(std::move(query), m_current, m_engines);
    // An empty address (no current engine) would only make the opener print
    // its usage.
    if (!address.empty()) OpenAddress(address);
}

// The key pre-filter. Enter searches on every press, auto-repeat included,
// and then goes on to the field as usual; the field keeps its text.
bool CLumoraDlg::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_query && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (IsEnterKey(key->key())) {
            RunSearch(m_query->text().toStdString());
            // The address is on its way: a summoned bar has done its job.
            EndSummon(false);
        }
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
        if (event->key() == Qt::Key_Escape) EndSummon(true);
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void CLumoraDlg::paintEvent(QPaintEvent*)
{
    SBarPaintState state;
    state.width = width();
    state.height = height();
    state.engineBox = m_engineBox;
    state.optionsBox = m_optionsBox;
    state.fieldRect = m_fieldRect;
    state.searchBox = m_searchBox;
    state.backColor = m_backColor;
    state.boxColor = m_boxColor;
    state.lineColor = m_lineColor;
    state.textColor = m_textColor;
    state.rounding = m_settings.rounding;
    state.buttonView = m_settings.buttonView;
    state.hoverEngine = m_hoverEngine;
    state.engineName = QString::fromStdString(m_current.name);
    state.engineFont = m_engineFont;

    QPainter painter(this);
    PaintBar(painter, state);
}
