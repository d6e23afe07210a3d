// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A search in a new private window of the default browser: the browser's
// desktop entry says how to start it; the bar starts it directly.
#include "bar/LumoraDlg.h"

#include "bar/BarNotice.h"
#include "bar/SearchRecall.h"
#include "desktop/PrivateWindow.h"
#include "platform/ProgramStarter.h"

#include <QLineEdit>

bool CLumoraDlg::NoticeShown() const
{
    return m_notice && m_notice->isVisible();
}

void CLumoraDlg::OpenPrivateWindow(const std::string& address)
{
    const SPrivateLaunch launch = PrivateWindowLaunch(XdgDirsFromEnvironment(), address);
    const bool ready = launch.outcome == EPrivateWindow::Ready;
    if (ready && StartProgram(launch.argv)) return;

    // A normal window is not what the user asked for: nothing opens, and
    // the bar says why.
    const QString browser = QString::fromStdString(launch.browserName);
    QString text;
    if (ready) {
        text = tr("%1 could not be started").arg(browser);
    } else if (launch.outcome == EPrivateWindow::NoBrowser) {
        text = tr("No private window: no default browser is set");
    } else {
        text = tr("No private window for %1").arg(browser);
    }
    if (!m_notice) {
        m_notice = new CBarNotice(this);
        // Typing on makes the message old news.
        connect(m_query, &QLineEdit::textEdited, m_notice, &QWidget::hide);
        // Auto hide held the bar down for the message; it may decide now.
        connect(m_notice, &CBarNotice::hidden, &m_autoHide, &CAutoHide::WakePolls);
    }
    SCompletionLook look = CompletionLookOf(*this);
    // A search from elsewhere (the command line) may come while the bar is
    // up: the notice hangs where the field is when the bar is down.
    if (look.anchor.isEmpty()) {
        const QRect shown = m_autoHide.ShownRect();
        look.anchor = QRect(shown.topLeft() + m_layout.fieldRect.topLeft(), m_layout.fieldRect.size());
    }
    m_notice->ShowNotice(text, look);
}
