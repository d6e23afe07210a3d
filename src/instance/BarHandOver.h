// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The installed `lumora` is a small program without Qt: it answers the
// command line and claims the lock, so a later start hands its word to the
// running bar without loading the GUI libraries. The process that is to be
// the bar replaces itself with the GUI program (`lumora-bar`), which
// inherits the held lock and the listening socket.

#include "instance/InstanceChannel.h"

#include <string>
#include <string_view>

// The environment variable that carries "<lock fd>,<socket fd>" across the
// exec. The GUI program removes it at once.
inline constexpr const char* kInheritedInstanceVariable = "LUMORA_INSTANCE_FDS";

// The GUI program's file name.
inline constexpr std::string_view kBarProgramName = "lumora-bar";

// Where the GUI program lies for the front program at `selfPath`: next to
// it (the build tree), else at `installedRelative` from its folder (the
// installed tree). Empty when neither is an executable file.
std::string FindBarProgram(const std::string& selfPath, const std::string& installedRelative);

// This process's own executable (/proc/self/exe), empty when unknown.
std::string SelfExecutable();

// Replaces this process with `program` (argv kept as given), handing it the
// lock's and the socket's descriptors (`listenFd` may be -1). Returns only
// on failure, with `problem` set to one line.
void ExecBar(const std::string& program, char* const argv[], int lockFd, int listenFd, std::string& problem);

// The GUI program's side: takes over what the front program handed down for
// `paths`, when the variable names descriptors that really are the lock at
// paths.lock (now held by `lock`) and a socket listening at paths.socket.
// The variable is removed either way, and the descriptors are closed on the
// next exec again. False when there was nothing valid to take; the caller
// claims for itself then. `listenFd` is -1 when only the lock came.
bool AdoptHandedOver(const SInstancePaths& paths, CInstanceLock& lock, int& listenFd);

// The two descriptors as the variable spells them; false for anything else.
bool ParseInheritedDescriptors(std::string_view text, int& lockFd, int& listenFd);
