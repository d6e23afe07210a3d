// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <QPoint>
#include <QRect>
#include <QTimer>

#include <functional>

class CPointerGuard;
class QWidget;

// Where the bar hangs, and what moves it: auto hide (the show and hide
// polls), the pin that puts it back on the top edge, a drag, and the pointer
// guard on displays that need one. The bar forwards its pointer, crossing,
// activation and move events here and asks it where it is.
//
// The polls stay cheap while nobody uses the bar: a poll that has looked and
// found nothing to do stays running but goes quiet until the pointer crosses
// the bar's edge, moves over it, a button is released, or the bar is
// (de)activated; while a drag, a popup menu or a dialog keeps those events
// from the bar, it keeps ticking. The pin acts on the bar's own moves.
class CAutoHide : public QObject {
    Q_OBJECT

public:
    enum EPoll {
        ShowPoll,  // hidden: shows the bar once the pointer rests on it
        HidePoll,  // shown: hides it once the pointer has left (auto hide)
    };

    // `enabled`: whether auto hide is on. `heldDown`: whether a summon or the
    // list of earlier searches keeps the bar down wherever the pointer is.
    CAutoHide(QWidget* bar, std::function<bool()> enabled, std::function<bool()> heldDown);

    bool IsShown() const { return m_shown; }
    bool IsDragging() const { return m_dragging; }
    bool IsPollRunning(EPoll poll) const;
    bool IsPinning() const { return m_pinning; }

    // The bar's x as the bar itself last set it (start-up, a drag) or the pin
    // found it; every vertical move keeps it.
    int Left() const { return m_left; }
    // At start-up, before the bar is shown: the x and the shown top.
    void PlaceAt(int left);
    // The top edge of the bar's monitor, in the whole desktop's coordinates:
    // every place the bar hangs from is measured from it.
    int MonitorTop() const { return m_monitorTop; }
    void SetMonitorTop(int top) { m_monitorTop = top; }
    // Onto another monitor (or the same one moved): at `left`, hanging from
    // `monitorTop`, shown or retracted as it was.
    void MoveTo(int left, int monitorTop);
    // The bar at its own x and its current top; at the shown top.
    QRect BarRect() const;
    QRect ShownRect() const;
    // Whether the pointer is over the bar, as far as this display can tell.
    bool PointerOver() const;

    // Slides the bar to the shown or the hidden place and swaps the polls.
    // Hiding does nothing with auto hide off.
    void ShowBar(bool show);
    // Auto hide has just been switched: off brings a hidden bar down. On
    // changes nothing until the pointer moves over the bar.
    void OnSwitched();
    // The pin runs for the bar's whole life from start-up on.
    void StartPin();
    // One look of a poll, as its timer's tick does; the pin's look.
    void Poll();
    void Pin();
    // A running poll that has gone quiet looks again a period from now.
    void WakePolls();

    // The bar's events. Points in client coordinates; `screen` is where the
    // pointer really was.
    void OnPointerMoved(const QPoint& screen);
    // A pointer event on the bar: the pointer is surely over it.
    void OnPointerOver();
    void OnPointerEntered();
    void OnPointerLeft();
    void OnButtonDown(const QPoint& point);
    void OnButtonUp();
    void OnBarMoved(const QPoint& pos);
    // Puts the guard around the bar where the display needs one and the bar
    // has a reason to hear of the pointer leaving.
    void GuardPointer();
    // Uses `guard` (a child of the bar) from now on, on any display.
    void UsePointerGuard(CPointerGuard* guard);
    CPointerGuard* PointerGuard() const { return m_guard; }

signals:
    // The pointer has left the bar, by a leave or across the guard.
    void PointerLeft();

private:
    void OnShowPollTick();
    void OnHidePollTick();
    void AfterPollTick(EPoll poll);
    void StartPoll(EPoll poll);
    void StopPoll(EPoll poll);
    QTimer& Ticker(EPoll poll) { return poll == ShowPoll ? m_showTicker : m_hideTicker; }
    void MoveTop(int top);
    int ShownTop() const;
    int HiddenTop() const;

    QWidget* m_bar;
    std::function<bool()> m_enabled;
    std::function<bool()> m_heldDown;

    bool m_shown = true;  // at the shown place, not retracted
    bool m_dragging = false;
    QPoint m_dragOrigin;  // client point of the button-down
    int m_left = 0;
    int m_monitorTop = 0;
    // The pointer left the bar and has neither come back nor moved over it
    // since. XWayland keeps answering a pointer query with the last point it
    // had over an X window, so after a leave the answer cannot be trusted.
    bool m_pointerLeft = false;
    // Null until first needed, and on displays that do send the leave.
    CPointerGuard* m_guard = nullptr;

    // A poll as the show/hide logic sees it (running), and the timer behind
    // it, which ticks only while a tick could find something new.
    QTimer m_showTicker;
    QTimer m_hideTicker;
    bool m_showRunning = false;
    bool m_hideRunning = false;
    QTimer m_pinTimer;
    bool m_pinning = false;
};
