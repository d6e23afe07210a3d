#include "bar/LumoraDlg.h"

#include "bar/BarTemplate.h"
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

// A font height as the settings hold it: negative is the character height in
// pixels, positive the cell height, 0 the face's default size.
void ApplyFontHeight(QFont& font, int height)
{
    if (height == 0) return;
    font.setPixelSize(std::clamp(std::abs(height), 1, 400));
}

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
// the default x needs its width, the engine choice needs the engine list.
void CLumoraDlg::OnInitDialog()
{
    m_hoverEngine = false;
    m_dragging = false;
    m_shown = true;

    LayOutBar();

    SetDefaultSettings(m_settings, GetDesktopRect().width(), width());
    BuildDefaultCatalog(m_engines);

    // Moving before the dialog is shown also keeps QDialog from centring it.
    move(m_settings.barLeft, kShownTop);
    m_windowRect = geometry();

    // "Blue Dark", the default scheme.
    m_backColor = QColor(140, 180, 220);
    m_boxColor = QColor(160, 200, 240);
    m_lineColor = QColor(80, 120, 150);
    m_textColor = QColor(40, 60, 80);

    m_engineFont = QFont(QStringLiteral("Tahoma"));
    m_engineFont.setPixelSize(13);
    m_engineFont.setWeight(QFont::Black);

    // The stored weight flag is never a real weight: the query font always
    // starts in the face's regular weight.
    m_queryFont = QFont(QString::fromStdString(m_settings.FaceName()));
    ApplyFontHeight(m_queryFont, m_settings.fontHeight);
    m_queryFont.setItalic(m_settings.fontItalic != 0);
    m_query->setFont(m_queryFont);

    m_query->setFocus();

    OnCommand(kFirstEngineCommand + m_settings.engineIndex);
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
