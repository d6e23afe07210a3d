// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/LumoraApp.h"

#include "app/ParentDlg.h"
#include "bar/BarLook.h"
#include "instance/CommandLine.h"

CLumoraApp::CLumoraApp(int& argc, char** argv)
    : QApplication(argc, argv)
{
    setApplicationName(QStringLiteral("Lumora"));
    setOrganizationName(QString());
    setDesktopFileName(QStringLiteral("org.lumora_search.Lumora"));
    // The application icon at all its sizes waits for the bar's first
    // frame (CLumoraDlg takes it then): decoding and uploading it would
    // hold the frame back.
    InstallFontSubstitutes();
}

int CLumoraApp::Run(int instanceFd, const SLaunch& launch)
{
    CParentDlg owner;
    owner.Run(instanceFd, launch);
    return 0;
}
