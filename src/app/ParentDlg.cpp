// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/ParentDlg.h"

#include "app/InstanceServer.h"
#include "app/SessionEnd.h"
#include "bar/LumoraDlg.h"
#include "instance/CommandLine.h"
#include "platform/TerminationSignals.h"
#include "store/QueryText.h"

#include <QTimer>

namespace {

ESearchWindow WindowFor(bool privateWindow)
{
    return privateWindow ? ESearchWindow::Private : ESearchWindow::Normal;
}

}  // namespace

void CParentDlg::Run(int instanceFd, const SLaunch& launch)
{
    // No parent on purpose: the bar is a top-level dock window of its own
    // rather than a transient of a window that never maps.
    CLumoraDlg bar;
    // Logging out and the usual termination signals save and close like
    // the bar's "Close" entry; the window manager's close request does not.
    CTerminationSignals termination;
    ConnectSessionEnd(bar, termination);
    // Another start: "lumora" and "lumora --show" summon the bar, "lumora
    // --quit" closes it the way "Close" does.
    CInstanceServer instances(instanceFd);
    QObject::connect(&instances, &CInstanceServer::showRequested, &bar, [&bar] { bar.Summon(); });
    QObject::connect(&instances, &CInstanceServer::quitRequested, &bar, [&bar] { SendCloseCommand(bar); });
    // "lumora --search" searches without showing the bar or touching its
    // field; "lumora --selection" summons it with the selected text.
    QObject::connect(
        &instances, &CInstanceServer::searchRequested, &bar,
        [&bar](const std::string& query, bool privateWindow) { bar.RunSearch(query, WindowFor(privateWindow)); });
    QObject::connect(&instances, &CInstanceServer::selectionRequested, &bar, [&bar] { bar.SummonWithSelection(); });
    // The start that made this bar asked for the same; it is done once the
    // bar's loop runs.
    if (launch.action == ELaunchAction::Search) {
        const std::string query = CleanQueryText(launch.text, kMaxSearchBytes);
        const ESearchWindow window = WindowFor(launch.privateWindow);
        if (!query.empty()) QTimer::singleShot(0, &bar, [&bar, query, window] { bar.RunSearch(query, window); });
    } else if (launch.action == ELaunchAction::Selection) {
        QTimer::singleShot(0, &bar, [&bar] { bar.SummonWithSelection(); });
    }
    bar.exec();
}
