// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>

class CAutoHide;
class QWidget;

// A summon: the keyboard asked for the bar (the hotkey, another start), so
// it stays down while the user types, until Escape, a search by Enter, the
// focus going to another window with the pointer elsewhere, or the pointer's
// entering and leaving the bar. It remembers the window that had the focus
// before, for Escape and Enter to return to.
class CSummon {
public:
    CSummon(QWidget* bar, CAutoHide& autoHide);

    bool IsActive() const { return m_active; }

    // Holds the bar down and brings it down if it was hidden. The bar then
    // asks for the keyboard itself.
    void Begin();
    // Ends a summon: the bar goes up (with auto hide on); with
    // `returnFocus` the focus goes back where it was before, if the bar
    // still has it.
    void End(bool returnFocus);
    // The bar's activation changed.
    void OnActivationChange();
    // The pointer entered or left the bar.
    void OnCrossing(bool entered);

private:
    bool BarHasFocus(std::uint32_t focused) const;

    QWidget* m_bar;
    CAutoHide& m_autoHide;
    bool m_active = false;
    bool m_pointerSeen = false;  // the pointer has been over the bar since
    bool m_activated = false;    // the bar has had the focus since
    bool m_focusTaken = false;   // the summon took the focus from another window
    std::uint32_t m_focusBefore = 0;
};
