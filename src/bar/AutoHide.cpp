// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "bar/AutoHide.h"

#include "bar/BarTemplate.h"
#include "platform/Activation.h"
#include "platform/PointerGuard.h"
#include "platform/X11Window.h"

#include <QCursor>
#include <QWidget>

#include <utility>

CAutoHide::CAutoHide(QWidget* bar, std::function<bool()> enabled, std::function<bool()> heldDown)
    : QObject(bar),
      m_bar(bar),
      m_enabled(std::move(enabled)),
      m_heldDown(std::move(heldDown))
{
    for (QTimer* ticker : {&m_showTicker, &m_hideTicker}) {
        ticker->setSingleShot(true);
        ticker->setInterval(kPollPeriod);
    }
    connect(&m_showTicker, &QTimer::timeout, this, &CAutoHide::OnShowPollTick);
    connect(&m_hideTicker, &QTimer::timeout, this, &CAutoHide::OnHidePollTick);
    m_pinTimer.setSingleShot(true);
    m_pinTimer.setInterval(kPinDelay);
    connect(&m_pinTimer, &QTimer::timeout, this, &CAutoHide::Pin);
}

bool CAutoHide::IsPollRunning(EPoll poll) const
{
    return poll == ShowPoll ? m_showRunning : m_hideRunning;
}

void CAutoHide::PlaceAt(int left)
{
    m_left = left;
    MoveTop(ShownTop());
}

void CAutoHide::MoveTo(int left, int monitorTop)
{
    m_left = left;
    m_monitorTop = monitorTop;
    MoveTop(m_shown ? ShownTop() : HiddenTop());
    if (m_guard && m_guard->IsUp()) m_guard->Surround(BarRect());
}

int CAutoHide::ShownTop() const
{
    return m_monitorTop + kShownTop;
}

int CAutoHide::HiddenTop() const
{
    return m_monitorTop + kPullStripHeight - m_bar->height();
}

QRect CAutoHide::BarRect() const
{
    return QRect(QPoint(m_left, m_bar->y()), m_bar->size());
}

QRect CAutoHide::ShownRect() const
{
    return QRect(QPoint(m_left, ShownTop()), m_bar->size());
}

bool CAutoHide::PointerOver() const
{
    return !m_pointerLeft && BarRect().contains(QCursor::pos());
}

// Every vertical move keeps the bar's own x; only a drag changes it.
void CAutoHide::MoveTop(int top)
{
    m_bar->move(m_left, top);
}

void CAutoHide::StartPoll(EPoll poll)
{
    (poll == ShowPoll ? m_showRunning : m_hideRunning) = true;
    Ticker(poll).start();
}

void CAutoHide::StopPoll(EPoll poll)
{
    (poll == ShowPoll ? m_showRunning : m_hideRunning) = false;
    Ticker(poll).stop();
}

void CAutoHide::WakePolls()
{
    for (EPoll poll : {ShowPoll, HidePoll}) {
        if (IsPollRunning(poll) && !Ticker(poll).isActive()) Ticker(poll).start();
    }
}

void CAutoHide::OnShowPollTick()
{
    Poll();
    AfterPollTick(ShowPoll);
}

void CAutoHide::OnHidePollTick()
{
    Poll();
    AfterPollTick(HidePoll);
}

// Still running after the tick: it found nothing to do. It looks again only
// if no crossing event would tell it that the answer has changed.
void CAutoHide::AfterPollTick(EPoll poll)
{
    if (IsPollRunning(poll) && !Ticker(poll).isActive() && (m_dragging || InputHeldElsewhere(m_bar)))
        Ticker(poll).start();
}

void CAutoHide::Poll()
{
    // The whole window rectangle counts, also the part above the screen.
    // A leave counts for more than the query (see m_pointerLeft), except
    // while a popup or a dialog holds the pointer: the bar got its leave
    // when that opened, and hears of the pointer again only when it closes.
    const bool left = m_pointerLeft && !InputHeldElsewhere(m_bar);
    const bool inside = !left && BarRect().contains(QCursor::pos());
    // A summoned bar waits for the user, wherever the pointer is; so does a
    // bar with the list of earlier searches hanging from it.
    const bool heldDown = m_heldDown() && !inside;
    if (inside != m_shown && !m_dragging && !heldDown) ShowBar(inside);
}

// Only the window system's word counts here: Qt's geometry of a window that
// is being reparented can read (0, 0), and pinning that would carry the bar
// to the left edge. The x stays where the bar really is.
void CAutoHide::Pin()
{
    const QRect window(WindowSystemPosition(m_bar), m_bar->size());
    if (window.top() < m_monitorTop) return;
    m_left = window.left();
    MoveTop(m_enabled() ? HiddenTop() : ShownTop());
}

// The pin waits for the bar to be moved (OnBarMoved) and then looks once,
// 100 ms later.
void CAutoHide::StartPin()
{
    m_pinning = true;
    if (m_bar->y() >= m_monitorTop) m_pinTimer.start();
}

// Whoever moved the bar down, it goes back within 100 ms.
void CAutoHide::OnBarMoved(const QPoint& pos)
{
    if (m_pinning && pos.y() >= m_monitorTop && !m_pinTimer.isActive()) m_pinTimer.start();
}

void CAutoHide::ShowBar(bool show)
{
    if (!show && !m_enabled()) return;
    m_shown = show;

    // No delay between the steps: the slide is one burst of moves.
    const int hiddenTop = HiddenTop();
    const int shownTop = ShownTop();
    if (show) {
        for (int top = m_bar->y(); top < shownTop; top += kSlideStep) MoveTop(top);
        MoveTop(shownTop);
    } else {
        for (int top = shownTop; top > hiddenTop; top -= kSlideStep) MoveTop(top);
        MoveTop(hiddenTop);
    }

    StopPoll(show ? ShowPoll : HidePoll);
    StartPoll(show ? HidePoll : ShowPoll);
    if (m_guard && m_guard->IsUp()) m_guard->Surround(BarRect());
}

void CAutoHide::OnSwitched()
{
    if (m_enabled()) return;
    if (!m_shown) {
        ShowBar(true);
    } else {
        StopPoll(HidePoll);
    }
}

// During a drag `screen` cannot be derived from the event's client point:
// the bar has already been moved for earlier events that the window system
// had not yet applied when it reported this one.
void CAutoHide::OnPointerMoved(const QPoint& screen)
{
    if (m_enabled()) StartPoll(m_shown ? HidePoll : ShowPoll);
    if (!m_dragging) return;
    m_left = screen.x() - m_dragOrigin.x();
    MoveTop(ShownTop());
    m_shown = true;
    StopPoll(ShowPoll);
    if (m_enabled()) StartPoll(HidePoll);
}

void CAutoHide::OnPointerOver()
{
    m_pointerLeft = false;
    GuardPointer();
}

void CAutoHide::OnPointerEntered()
{
    OnPointerOver();
    WakePolls();
}

void CAutoHide::OnPointerLeft()
{
    if (m_guard) m_guard->Withdraw();
    m_pointerLeft = true;
    emit PointerLeft();
    WakePolls();
}

// Qt grabs the mouse for the pressed widget until the release, so the drag
// keeps its moves also when the pointer runs ahead of the bar.
void CAutoHide::OnButtonDown(const QPoint& point)
{
    // The guard would stay behind while the bar moves; the grab brings the
    // drag's leave anyway.
    if (m_guard) m_guard->Withdraw();
    m_dragging = true;
    m_dragOrigin = point;
}

void CAutoHide::OnButtonUp()
{
    m_dragging = false;
    // A poll held back by the drag may decide now.
    WakePolls();
}

void CAutoHide::GuardPointer()
{
    if (m_dragging || !(m_enabled() || m_heldDown())) return;
    if (!m_guard) {
        if (!CPointerGuard::Needed()) return;
        UsePointerGuard(new CPointerGuard(m_bar));
    }
    m_guard->Surround(BarRect());
}

void CAutoHide::UsePointerGuard(CPointerGuard* guard)
{
    m_guard = guard;
    connect(guard, &CPointerGuard::Crossed, this, &CAutoHide::OnPointerLeft);
}
