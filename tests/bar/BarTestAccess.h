// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "bar/LumoraDlg.h"

// What a test cannot reach through commands, events and the bar's parts'
// interfaces, three uses: an engine list put in place while the bar runs
// (as the catalogue dialog's OK would, without driving the dialog), auto hide
// set without the switch's own effects (a hidden bar with auto hide off
// cannot come about otherwise), and a colour scheme index no command sends.
struct CBarTestAccess {
    // As after the catalogue's OK: the list is the bar's, the engine menu is
    // rebuilt and has no mark.
    static void SetEngines(CLumoraDlg& bar, const CEngineList& engines)
    {
        bar.m_engines.CopyFrom(engines);
        bar.m_engineMarked = false;
        bar.BuildEngineMenu();
    }

    static void ApplyColorScheme(CLumoraDlg& bar, int scheme) { bar.ApplyColorScheme(scheme); }

    static void SetAutoHide(CLumoraDlg& bar, bool on) { bar.m_settings.autoHide = on ? 1 : 0; }
};
