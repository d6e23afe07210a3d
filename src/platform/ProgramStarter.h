// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <functional>
#include <string>
#include <vector>

// Starts a program on its own, detached from the bar: `argv` holds the
// program first and then each argument, every one passed as it is (no
// shell). False when the program could not be started.
bool StartProgram(const std::vector<std::string>& argv);

// The function StartProgram calls. Tests swap it to record what would run;
// the previous starter is returned so it can be restored.
using ProgramStarter = std::function<bool(const std::vector<std::string>&)>;
ProgramStarter SetProgramStarter(ProgramStarter starter);
