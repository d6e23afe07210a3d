// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The program a user runs. It never loads the GUI libraries: the command
// line, a word to the bar that already runs and the claim of the lock are
// all plain POSIX. The process that becomes the bar turns into the GUI
// program, which inherits the lock and the socket.
#include "instance/BarHandOver.h"
#include "instance/CommandLine.h"
#include "instance/Launch.h"

#include <cstdio>

int main(int argc, char* argv[])
{
    const SLaunch launch = ParseCommandLine(argc, argv);
    if (const int answered = AnswerOnConsole(launch); answered >= 0) return answered;

    SInstancePaths paths;
    if (!FindOwnInstancePaths(paths)) return 1;
    CInstanceLock lock;
    const SInstanceOutcome outcome = ClaimOrHandOver(launch, paths, lock);
    if (!outcome.problem.empty()) std::fprintf(stderr, "%s\n", outcome.problem.c_str());
    if (!outcome.becomeBar) return outcome.exitCode;

    const std::string self = SelfExecutable();
    const std::string bar = FindBarProgram(self, LUMORA_BAR_FROM_BINDIR);
    if (bar.empty()) {
        std::fprintf(stderr, "lumora: the bar program %s is missing beside %s\n", std::string(kBarProgramName).c_str(),
                     self.c_str());
        return 1;
    }
    std::string problem;
    ExecBar(bar, argv, lock.Descriptor(), outcome.listenFd, problem);
    std::fprintf(stderr, "%s\n", problem.c_str());
    return 1;
}
