// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The GUI program: the bar itself. The front program `lumora` starts it
// with the lock and the socket already taken; run directly, it claims them
// itself the same way.
#include "app/LumoraApp.h"
#include "instance/BarHandOver.h"
#include "instance/CommandLine.h"
#include "instance/Launch.h"
#include "platform/Activation.h"
#include "platform/DisplayCheck.h"
#include "platform/Translations.h"

#include <cstdio>

int main(int argc, char* argv[])
{
    const SLaunch launch = ParseCommandLine(argc, argv);
    if (const int answered = AnswerOnConsole(launch); answered >= 0) return answered;

    // A bar that already runs takes the request; only the first process of
    // a user and display ever touches the data files or the display.
    PreferXWayland();
    SInstancePaths paths;
    if (!FindOwnInstancePaths(paths)) return 1;
    CInstanceLock lock;
    int listenFd = -1;
    if (!AdoptHandedOver(paths, lock, listenFd)) {
        const SInstanceOutcome outcome = ClaimOrHandOver(launch, paths, lock);
        if (!outcome.problem.empty()) std::fprintf(stderr, "%s\n", outcome.problem.c_str());
        if (!outcome.becomeBar) return outcome.exitCode;
        listenFd = outcome.listenFd;
    }

    // Before QApplication: without a display Qt would abort with a core dump.
    if (!PrepareDisplay()) return 1;
    AdoptActivationToken();

    // The bar is "lumora" to the desktop (its WM_CLASS, its message boxes'
    // caption) whichever of the two programs was started.
    char startedName[] = "lumora";
    argv[0] = startedName;
    CLumoraApp app(argc, argv);
    InstallTranslations();
    return app.Run(listenFd, launch);
}
