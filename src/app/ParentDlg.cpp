// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/ParentDlg.h"

#include "app/InstanceServer.h"
#include "app/SessionEnd.h"
#include "bar/LumoraDlg.h"
#include "platform/TerminationSignals.h"

void CParentDlg::Run(int instanceFd)
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
    bar.exec();
}
