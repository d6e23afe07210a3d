// Bringing the bar down from the keyboard, and sending it back up.
#include "bar/LumoraDlg.h"

#include "platform/Activation.h"
#include "platform/PreviousFocus.h"

#include <QApplication>
#include <QCursor>
#include <QLineEdit>

namespace {

bool InputHeldByPopupOrDialog(const QWidget* bar)
{
    if (QApplication::activePopupWidget()) return true;
    const QWidget* modal = QApplication::activeModalWidget();
    return modal && modal != bar;
}

}  // namespace

void CLumoraDlg::Summon(std::uint32_t userTime)
{
    // The X server's word on the focus, not Qt's: right after a focus handed
    // back on Escape, Qt may still think the bar active.
    const std::uint32_t focused = FocusedWindowId();
    const bool barHasFocus = focused ? focused == internalWinId() : isActiveWindow();
    // A second summon keeps the window the first one came from.
    if (!m_summoned && !barHasFocus) m_focusBeforeSummon = focused;
    m_summoned = true;
    m_summonActivated = barHasFocus;
    m_summonPointerSeen = BarRect().contains(QCursor::pos());

    if (!m_shown) ShowBar(true);
    RequestActivation(this, userTime);
    m_query->setFocus(Qt::ShortcutFocusReason);
    m_query->selectAll();
}

void CLumoraDlg::EndSummon(bool returnFocus)
{
    if (!m_summoned) return;
    m_summoned = false;
    ShowBar(false);  // nothing with auto hide off
    const std::uint32_t previous = m_focusBeforeSummon;
    m_focusBeforeSummon = 0;
    if (returnFocus) ReturnFocusTo(previous);
}

// Another window took the focus: the bar goes up, unless the pointer is over
// it (the ordinary rule then holds) or the focus went to the bar's own menu
// or dialog.
void CLumoraDlg::OnSummonActivationChange()
{
    if (!m_summoned) return;
    if (isActiveWindow()) {
        m_summonActivated = true;
        return;
    }
    // A deactivation still on its way from before the summon is no loss of
    // the focus the summon asked for.
    if (!m_summonActivated || InputHeldByPopupOrDialog(this)) return;
    if (!m_pointerLeft && BarRect().contains(QCursor::pos())) {
        m_summoned = false;
        return;
    }
    EndSummon(false);
}

// Once the pointer has been over the bar and left it, auto hide is back to
// its ordinary rule: the running hide poll decides.
void CLumoraDlg::OnSummonCrossing(bool entered)
{
    if (!m_summoned) return;
    if (entered) {
        m_summonPointerSeen = true;
    } else if (m_summonPointerSeen) {
        m_summoned = false;
        m_focusBeforeSummon = 0;
    }
}
