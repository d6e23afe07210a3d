// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class CLumoraDlg;
class CTerminationSignals;

// Ends the bar the way its "Close" entry does, so the settings and the
// catalogue are saved: whatever the bar has open on top of itself (popup
// menus, dialogs, message boxes) is closed first, top down, so that their
// nested loops return; then command 453 is queued to the bar.
void SendCloseCommand(CLumoraDlg& bar);

// Logging out (X session management asking to commit data) and the
// termination signals both take the path above. Nothing is connected once
// the bar is gone.
void ConnectSessionEnd(CLumoraDlg& bar, CTerminationSignals& termination);
