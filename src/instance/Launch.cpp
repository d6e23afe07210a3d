// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "instance/Launch.h"

#include <cstdio>
#include <thread>

namespace {

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

constexpr milliseconds kRetryPause{10};

}  // namespace

EInstanceMessage MessageFor(const SLaunch& launch)
{
    switch (launch.action) {
    case ELaunchAction::Quit: return EInstanceMessage::Quit;
    case ELaunchAction::Selection: return EInstanceMessage::Selection;
    case ELaunchAction::Search:
        return launch.privateWindow ? EInstanceMessage::PrivateSearch : EInstanceMessage::Search;
    case ELaunchAction::Start:
    case ELaunchAction::Show:
    case ELaunchAction::Help:
    case ELaunchAction::Version:
    case ELaunchAction::Invalid: break;
    }
    return EInstanceMessage::Show;
}

SInstanceOutcome ClaimOrHandOver(const SLaunch& launch, const SInstancePaths& paths, CInstanceLock& lock,
                                 milliseconds quitWait, milliseconds answerWait)
{
    const EInstanceMessage message = MessageFor(launch);
    // A running bar answers at once; one that is just starting may take a
    // while on a busy machine before its loop reads.
    const Clock::time_point end = Clock::now() + answerWait;

    // Whoever holds the lock is the bar. Between its taking the lock and
    // listening, and between a bar's end and its successor's start, neither
    // step works; both are tried again until one does.
    for (;;) {
        if (lock.TryAcquire(paths.lock)) {
            if (message == EInstanceMessage::Quit) {
                lock.Release();
                return {};
            }
            SInstanceOutcome outcome;
            outcome.becomeBar = true;
            outcome.listenFd = ListenForInstances(paths.socket);
            if (outcome.listenFd < 0)
                outcome.problem = "lumora: cannot listen at " + paths.socket + "; later starts will not reach this bar";
            return outcome;
        }

        const auto left = std::chrono::duration_cast<milliseconds>(end - Clock::now());
        if (left <= milliseconds::zero()) break;
        if (SendToRunningBar(paths.socket, message, launch.text, left)) {
            if (message == EInstanceMessage::Quit) {
                const Clock::time_point quitEnd = Clock::now() + quitWait;
                while (!LockIsFree(paths.lock) && Clock::now() < quitEnd) std::this_thread::sleep_for(kRetryPause);
            }
            return {};
        }
        std::this_thread::sleep_for(kRetryPause);
    }
    SInstanceOutcome outcome;
    outcome.exitCode = 1;
    outcome.problem = "lumora: a bar is running on this display but does not answer";
    return outcome;
}

bool FindOwnInstancePaths(SInstancePaths& paths)
{
    std::string problem;
    if (FindInstancePaths(CurrentDisplayKey(), paths, problem)) return true;
    std::fprintf(stderr, "%s\n", problem.c_str());
    return false;
}
