// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "instance/InstanceChannel.h"

#include <cstddef>
#include <string>
#include <utility>

// What the command line asks for. Read before anything else runs: --help,
// --version and a bad argument are answered without a display.
enum class ELaunchAction {
    Start,      // no argument: start the bar, or show the running one
    Show,       // --show: show and focus the running bar, or start one
    Quit,       // --quit: the running bar saves and closes; nothing if none runs
    Search,     // --search [--private] TEXT...: the bar searches `text`
    Selection,  // --selection: the bar comes down with the selected text
    Help,       // --help: print the usage
    Version,    // --version: print the version
    Invalid,    // anything else: `message` names it
};

struct SLaunch {
    SLaunch() = default;
    explicit SLaunch(ELaunchAction wanted, std::string line = {})
        : action(wanted),
          message(std::move(line))
    {}

    ELaunchAction action = ELaunchAction::Start;
    std::string message;         // for Invalid: the one line for stderr
    std::string text;            // for Search: the words joined by spaces
    bool privateWindow = false;  // for Search: --private
};

// The longest text --search hands over, in bytes: what the socket carries.
inline constexpr std::size_t kMaxSearchBytes = kMaxPayloadBytes;

SLaunch ParseCommandLine(int argc, const char* const* argv);

// "Lumora 1.28"
const char* VersionText();
// The usage, several lines, each ending in a newline.
const char* HelpText();

// Exit code of a command line that asks for nothing Lumora knows.
inline constexpr int kUsageExitCode = 2;

// Prints what --help, --version or a bad argument ask for and returns the
// exit code; -1 for a launch that goes on to the bar.
int AnswerOnConsole(const SLaunch& launch);
