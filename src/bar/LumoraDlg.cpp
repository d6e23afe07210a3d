#include "bar/LumoraDlg.h"

#include "bar/BarTemplate.h"
#include "menus/Commands.h"
#include "engines/Catalog.h"
#include "engines/Dispatch.h"
#include "engines/EngineMenuModel.h"
#include "platform/AddressOpener.h"
#include "platform/DialogUnits.h"
#include "platform/Desktop.h"
#include "platform/X11Window.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>

#include <algorithm>
#include <cstdlib>
#include <utility>

namespace {

bool IsEnterKey(int key) { return key == Qt::Key_Return || key == Qt::Key_Enter; }

} // namespace

CLumoraDlg::CLumoraDlg()
{
    m_query = new QLineEdit(this);
    m_query->setFrame(false);
    // Keys reach the bar only through the query field.
    setFocusProxy(m_query);
    m_query->installEventFilter(this);

    setFixedSize(DialogUnitsToPixelsX(kBarWidthDu), DialogUnitsToPixelsY(kBarHeightDu));
    // Every paint covers the whole window.
    setAttribute(Qt::WA_OpaquePaintEvent);
    MakeDockWindow(this);

    OnInitDialog();
}

CLumoraDlg::~CLumoraDlg() = default;

// Later steps read what earlier ones set: the layout needs the bar's size,
// the default x needs its width, the engine choice needs the engine list and
// the menus.
void CLumoraDlg::OnInitDialog()
{
    m_hoverEngine = false;
    m_dragging = false;
    m_shown = true;

    LayOutBar();
    LoadSettingsOrDefaults();
    LoadCatalogOrBuiltIn();
    BuildOptionsMenu();
    BuildEngineMenu();

    // Moving before the dialog is shown also keeps QDialog from centring it.
    move(m_settings.barLeft, kShownTop);
    m_windowRect = geometry();

    ApplyColorScheme(m_settings.colorScheme);
    ApplyFonts();

    // The stored options are replayed through the commands their menu
    // entries send, so every menu mark agrees with them from the start.
    OnCommand(kFirstRoundingCommand + m_settings.rounding);
    m_query->setFocus();
    OnCommand(kFirstEngineCommand + m_settings.engineIndex);
    OnCommand(kFirstTransparencyCommand + m_settings.transparency);
    OnCommand(kFirstButtonViewCommand + m_settings.buttonView);
    StartTimers();
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
        if (IsEnterKey(key->key())) RunSearch(m_query->text().toStdString());
    }
    return QDialog::eventFilter(watched, event);
}

// QDialog ends itself on Escape and presses its default button on Enter. The
// bar ends only through its own close command or the window manager.
void CLumoraDlg::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape || IsEnterKey(event->key())) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void CLumoraDlg::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), m_backColor);
    painter.fillRect(m_fieldRect, Qt::white);
    painter.setFont(m_engineFont);
    painter.setPen(m_textColor);
    painter.drawText(m_engineBox, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                     QString::fromStdString("  " + m_current.name));
}
