// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "instance/CommandLine.h"
#include "instance/InstanceChannel.h"

#include <chrono>
#include <string>

// What a start does about the bar that may already run.
struct SInstanceOutcome {
    bool becomeBar = false;  // this process is the bar now
    int exitCode = 0;        // when it is not
    int listenFd = -1;       // the bar's socket, -1 when it could not listen
    std::string problem;     // one line for stderr, empty when all went well
};

// The lock and socket paths of this user and display; false, with the one
// line printed on stderr, where there is no safe place for them.
bool FindOwnInstancePaths(SInstancePaths& paths);

// Becomes the bar (taking `lock`) or hands `action` to the one that runs.
// Start and Show start a bar when none runs; Quit then does nothing. A
// handed-over Quit returns once the bar has ended, or after `quitWait`. A
// lock holder that does not answer within `answerWait` is reported.
// A search or a selection summon starts a bar too, which then does it.
SInstanceOutcome ClaimOrHandOver(const SLaunch& launch, const SInstancePaths& paths, CInstanceLock& lock,
                                 std::chrono::milliseconds quitWait = std::chrono::seconds(10),
                                 std::chrono::milliseconds answerWait = std::chrono::seconds(5));
inline SInstanceOutcome ClaimOrHandOver(ELaunchAction action, const SInstancePaths& paths, CInstanceLock& lock,
                                        std::chrono::milliseconds quitWait = std::chrono::seconds(10),
                                        std::chrono::milliseconds answerWait = std::chrono::seconds(5))
{
    return ClaimOrHandOver(SLaunch(action), paths, lock, quitWait, answerWait);
}

// The message that hands `launch` to a running bar.
EInstanceMessage MessageFor(const SLaunch& launch);
