// Dragging, the click areas, auto hide and the timers that keep the bar on
// the top edge.
//
// The bar stays cheap while nobody uses it: instead of polling the cursor
// all the time, each timer ticks only while a tick could find something new.
// A poll that has looked and found nothing to do stays "running" but goes
// quiet until the cursor crosses the bar's edge, moves over it, a button is
// released, or the bar is (de)activated; while a drag, a popup menu or a
// dialog keeps those events from the bar, it keeps ticking. The pin acts on
// the bar's own move events instead of every 100 ms.
#include "bar/LumoraDlg.h"

#include "bar/BarTemplate.h"
#include "bar/CursorBlink.h"
#include "bar/SearchRecall.h"
#include "menus/EngineMenu.h"
#include "menus/OptionsMenu.h"
#include "options/OptionTable.h"
#include "platform/AddressOpener.h"
#include "platform/PointerGuard.h"
#include "platform/X11Window.h"

#include <QApplication>
#include <QCursor>
#include <QEnterEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QMoveEvent>

#include <chrono>
#include <utility>

namespace {

constexpr char kHelpFile[] = "help.chm";

// Whether something keeps the cursor's comings and goings from the bar, so a
// poll cannot wait for them.
bool InputHeldElsewhere(const QWidget* bar)
{
    if (QApplication::activePopupWidget()) return true;
    const QWidget* modal = QApplication::activeModalWidget();
    return modal && modal != bar;
}

}  // namespace

CLumoraDlg::SPollTimer* CLumoraDlg::PollTimer(int id)
{
    return const_cast<SPollTimer*>(std::as_const(*this).PollTimer(id));
}

const CLumoraDlg::SPollTimer* CLumoraDlg::PollTimer(int id) const
{
    switch (id) {
    case TIMER_SHOW_POLL: return &m_showPoll;
    case TIMER_HIDE_POLL: return &m_hidePoll;
    default: return nullptr;
    }
}

// Before the start-up's first mouse move: it may start a poll.
void CLumoraDlg::PrepareMouseAndTimers()
{
    // Hover and auto hide need the moves of a cursor with no button down.
    setMouseTracking(true);

    for (int id : {TIMER_SHOW_POLL, TIMER_HIDE_POLL}) {
        SPollTimer* poll = PollTimer(id);
        poll->ticker.setSingleShot(true);
        poll->ticker.setInterval(kPollPeriod);
        connect(&poll->ticker, &QTimer::timeout, this, [this, id] { OnPollTick(id); });
    }
    m_pinTimer.setSingleShot(true);
    m_pinTimer.setInterval(kPinDelay);
    connect(&m_pinTimer, &QTimer::timeout, this, [this] { OnTimer(TIMER_PIN); });
}

void CLumoraDlg::StartTimers()
{
    SetBarTimer(TIMER_PIN);
    if (!m_blinkPause) m_blinkPause = new CCursorBlinkPause(kBlinkIdle, this);
}

void CLumoraDlg::SetBarTimer(int id)
{
    if (SPollTimer* poll = PollTimer(id)) {
        poll->running = true;
        poll->ticker.start();
    } else if (id == TIMER_PIN) {
        // The pin waits for the bar to be moved (moveEvent) and then looks
        // once, 100 ms later.
        m_pinning = true;
        if (y() >= 0) m_pinTimer.start();
    }
}

void CLumoraDlg::KillBarTimer(int id)
{
    if (SPollTimer* poll = PollTimer(id)) {
        poll->running = false;
        poll->ticker.stop();
    } else if (id == TIMER_PIN) {
        m_pinning = false;
        m_pinTimer.stop();
    }
}

bool CLumoraDlg::IsBarTimerRunning(int id) const
{
    if (const SPollTimer* poll = PollTimer(id)) return poll->running;
    return id == TIMER_PIN && m_pinning;
}

// A running poll that has gone quiet looks again 500 ms from now.
void CLumoraDlg::WakePolls()
{
    for (SPollTimer* poll : {&m_showPoll, &m_hidePoll}) {
        if (poll->running && !poll->ticker.isActive()) poll->ticker.start();
    }
}

void CLumoraDlg::OnPollTick(int id)
{
    OnTimer(id);
    // Still running after the tick: it found nothing to do. It looks again
    // only if no crossing event would tell it that the answer has changed.
    SPollTimer* poll = PollTimer(id);
    if (poll->running && !poll->ticker.isActive() && (m_dragging || InputHeldElsewhere(this))) poll->ticker.start();
}

void CLumoraDlg::OnTimer(int id)
{
    if (id == TIMER_SHOW_POLL || id == TIMER_HIDE_POLL) {
        m_windowRect = BarRect();
        // The whole window rectangle counts, also the part above the screen.
        // A leave counts for more than the query (see m_pointerLeft), except
        // while a popup or a dialog holds the pointer: the bar got its leave
        // when that opened, and hears of the pointer again only when it closes.
        const bool left = m_pointerLeft && !InputHeldElsewhere(this);
        const bool inside = !left && m_windowRect.contains(QCursor::pos());
        // A summoned bar waits for the user, wherever the pointer is; so
        // does a bar with the list of earlier searches hanging from it.
        const bool heldDown = (m_summoned || m_recall->HoldsBarDown()) && !inside;
        if (inside != m_shown && !m_dragging && !heldDown) ShowBar(inside);
    } else if (id == TIMER_PIN) {
        // Only the window system's word counts here: Qt's geometry of a window
        // that is being reparented can read (0, 0), and pinning that would
        // carry the bar to the left edge. The x stays where the bar really is.
        m_windowRect = QRect(WindowSystemPosition(this), size());
        if (m_windowRect.top() >= 0) {
            m_barLeft = m_windowRect.left();
            MoveBarTop(m_settings.autoHide ? kPullStripHeight - height() : kShownTop);
        }
    }
}

QRect CLumoraDlg::BarRect() const
{
    return QRect(QPoint(m_barLeft, y()), size());
}

// Every vertical move keeps the bar's own x; only a drag changes it.
void CLumoraDlg::MoveBarTop(int top)
{
    move(m_barLeft, top);
}

void CLumoraDlg::ShowBar(bool show)
{
    if (!show && !m_settings.autoHide) return;
    m_shown = show;
    m_windowRect = BarRect();

    // No delay between the steps: the slide is one burst of moves.
    const int hiddenTop = kPullStripHeight - height();
    if (show) {
        for (int top = m_windowRect.top(); top < kShownTop; top += kSlideStep) MoveBarTop(top);
        MoveBarTop(kShownTop);
    } else {
        for (int top = kShownTop; top > hiddenTop; top -= kSlideStep) MoveBarTop(top);
        MoveBarTop(hiddenTop);
    }

    KillBarTimer(show ? TIMER_SHOW_POLL : TIMER_HIDE_POLL);
    SetBarTimer(show ? TIMER_HIDE_POLL : TIMER_SHOW_POLL);
    if (m_pointerGuard && m_pointerGuard->IsUp()) m_pointerGuard->Surround(BarRect());
}

// Switching on changes nothing until the cursor moves over the bar, which
// starts the hide poll.
void CLumoraDlg::ToggleAutoHide()
{
    m_settings.autoHide = m_settings.autoHide ? 0 : 1;
    if (m_settings.autoHide) return;

    if (!m_shown) {
        ShowBar(true);
    } else {
        KillBarTimer(TIMER_HIDE_POLL);
    }
}

void CLumoraDlg::OnMouseMove(const QPoint& point)
{
    OnMouseMove(point, mapToGlobal(point));
}

// `screen` is where the pointer really was. During a drag it cannot be
// derived from `point`: the bar has already been moved for earlier events
// that the window system had not yet applied when it reported this one.
void CLumoraDlg::OnMouseMove(const QPoint& point, const QPoint& screen)
{
    m_query->setFocus();
    if (m_settings.autoHide) SetBarTimer(m_shown ? TIMER_HIDE_POLL : TIMER_SHOW_POLL);

    const bool overEngine = m_engineBox.contains(point);
    if (overEngine != m_hoverEngine) {
        m_hoverEngine = overEngine;
        update(m_engineBox);
    }

    if (m_dragging) {
        m_barLeft = screen.x() - m_dragOrigin.x();
        MoveBarTop(kShownTop);
        m_windowRect = BarRect();
        m_shown = true;
        KillBarTimer(TIMER_SHOW_POLL);
        if (m_settings.autoHide) SetBarTimer(TIMER_HIDE_POLL);
    }

    m_query->setFocus();
}

// Qt grabs the mouse for the pressed widget until the release, so the drag
// keeps its moves also when the cursor runs ahead of the bar.
void CLumoraDlg::OnLButtonDown(const QPoint& point)
{
    // The guard would stay behind while the bar moves; the grab brings the
    // drag's leave anyway.
    if (m_pointerGuard) m_pointerGuard->Withdraw();
    m_dragging = true;
    m_dragOrigin = point;
}

void CLumoraDlg::OnLButtonUp(const QPoint& point)
{
    m_dragging = false;
    // A poll held back by the drag may decide now.
    WakePolls();

    // The end of a drag is a click like any other.
    if (m_engineBox.contains(point)) {
        OpenPopup(EngineMenu(), m_engineBox);
        m_hoverEngine = false;
        update(m_engineBox);
    } else if (m_optionsBox.contains(point)) {
        OpenPopup(OptionsMenu(), m_optionsBox);
    } else if (m_searchBox.contains(point)) {
        // Also with no search button drawn.
        RunSearch(m_query->text().toStdString());
    } else if (m_pullStrip.contains(point)) {
        // The hide poll starts even with auto hide off; its ticks then do nothing.
        ShowBar(true);
    }
}

void CLumoraDlg::OnLButtonDblClk()
{
    OnCommand(kAutoHideCommand);
}

// Returns when the menu has closed; the chosen entry's command follows.
void CLumoraDlg::OpenPopup(CCommandMenu* menu, const QRect& clientBox)
{
    if (!menu) return;
    // The polls go on while the menu is open, though the bar sees no mouse
    // events then: they must be ticking when it opens.
    WakePolls();
    menu->ExecBelow(QRect(mapToGlobal(clientBox.topLeft()), clientBox.size()));
}

void CLumoraDlg::OnHelp()
{
    OpenAddress(kHelpFile);
}

void CLumoraDlg::mouseMoveEvent(QMouseEvent* event)
{
    m_pointerLeft = false;
    GuardPointer();
    OnMouseMove(event->position().toPoint(), event->globalPosition().toPoint());
    QDialog::mouseMoveEvent(event);
}

void CLumoraDlg::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) OnLButtonDown(event->position().toPoint());
    // A click on the bar always gives the query field the keyboard.
    TakeKeyboard(static_cast<std::uint32_t>(event->timestamp()));
    QDialog::mousePressEvent(event);
}

void CLumoraDlg::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) OnLButtonUp(event->position().toPoint());
    if (rect().contains(event->position().toPoint())) GuardPointer();
    QDialog::mouseReleaseEvent(event);
}

// Takes the place of the second press, as it does for a window that accepts
// double clicks: no drag starts, and the release that follows is a click.
void CLumoraDlg::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) OnLButtonDblClk();
    event->accept();
}

void CLumoraDlg::enterEvent(QEnterEvent* event)
{
    m_pointerLeft = false;
    OnSummonCrossing(true);
    GuardPointer();
    WakePolls();
    QDialog::enterEvent(event);
}

void CLumoraDlg::leaveEvent(QEvent* event)
{
    OnPointerLeft();
    QDialog::leaveEvent(event);
}

void CLumoraDlg::OnPointerLeft()
{
    if (m_pointerGuard) m_pointerGuard->Withdraw();
    m_pointerLeft = true;
    OnSummonCrossing(false);
    WakePolls();
}

void CLumoraDlg::GuardPointer()
{
    if (m_dragging || !(m_settings.autoHide || m_summoned)) return;
    if (!m_pointerGuard) {
        if (!CPointerGuard::Needed()) return;
        AttachPointerGuard(new CPointerGuard(this));
    }
    m_pointerGuard->Surround(BarRect());
}

void CLumoraDlg::AttachPointerGuard(CPointerGuard* guard)
{
    m_pointerGuard = guard;
    connect(guard, &CPointerGuard::Crossed, this, &CLumoraDlg::OnPointerLeft);
}

// Whoever moved the bar down, it goes back within 100 ms.
void CLumoraDlg::moveEvent(QMoveEvent* event)
{
    if (m_pinning && event->pos().y() >= 0 && !m_pinTimer.isActive()) m_pinTimer.start();
    QDialog::moveEvent(event);
}

// A pointer grab by another program hides the crossing from the bar; the
// focus usually moves with it.
void CLumoraDlg::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::ActivationChange) {
        OnSummonActivationChange();
        WakePolls();
    }
    QDialog::changeEvent(event);
}
