#include "app/LumoraApp.h"
#include "instance/CommandLine.h"
#include "instance/Launch.h"
#include "platform/Activation.h"
#include "platform/DisplayCheck.h"

#include <cstdio>

int main(int argc, char* argv[])
{
    const SLaunch launch = ParseCommandLine(argc, argv);
    switch (launch.action) {
    case ELaunchAction::Help: std::fputs(HelpText(), stdout); return 0;
    case ELaunchAction::Version: std::printf("%s\n", VersionText()); return 0;
    case ELaunchAction::Invalid: std::fprintf(stderr, "%s\n", launch.message.c_str()); return kUsageExitCode;
    case ELaunchAction::Start:
    case ELaunchAction::Show:
    case ELaunchAction::Quit: break;
    }

    // A bar that already runs takes the request; only the first process of
    // a user and display ever touches the data files or the display.
    PreferXWayland();
    SInstancePaths paths;
    std::string problem;
    if (!FindInstancePaths(CurrentDisplayKey(), paths, problem)) {
        std::fprintf(stderr, "%s\n", problem.c_str());
        return 1;
    }
    CInstanceLock lock;
    const SInstanceOutcome outcome = ClaimOrHandOver(launch.action, paths, lock);
    if (!outcome.problem.empty()) std::fprintf(stderr, "%s\n", outcome.problem.c_str());
    if (!outcome.becomeBar) return outcome.exitCode;

    // Before QApplication: without a display Qt would abort with a core dump.
    if (!PrepareDisplay()) return 1;
    AdoptActivationToken();

    CLumoraApp app(argc, argv);
    return app.Run(outcome.listenFd);
}
