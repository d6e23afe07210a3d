// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "instance/CommandLine.h"

#include <cstdio>
#include <string_view>

namespace {

struct SKnownArgument {
    std::string_view text;
    ELaunchAction action;
};

constexpr SKnownArgument kArguments[] = {
    {"--show", ELaunchAction::Show}, {"--quit", ELaunchAction::Quit},       {"--help", ELaunchAction::Help},
    {"-h", ELaunchAction::Help},     {"--version", ELaunchAction::Version},
};

SLaunch Invalid(std::string message)
{
    return {ELaunchAction::Invalid, "lumora: " + std::move(message) + "; see 'lumora --help'"};
}

}  // namespace

SLaunch ParseCommandLine(int argc, const char* const* argv)
{
    if (argc <= 1) return {};
    // One request per start: "--show --quit" would leave it open which wins.
    if (argc > 2) return Invalid("one argument at most, got '" + std::string(argv[2]) + "' after '" + argv[1] + "'");

    const std::string_view argument = argv[1];
    for (const SKnownArgument& known : kArguments) {
        if (argument == known.text) return {known.action, {}};
    }
    return Invalid("unknown argument '" + std::string(argument) + "'");
}

const char* VersionText()
{
    return "Lumora 1.28";
}

const char* HelpText()
{
    return "Usage: lumora [--show | --quit | --help | --version]\n"
           "A search bar at the top edge of the screen: type a query, press Enter.\n"
           "\n"
           "  (none)     start the bar; when it already runs, show it\n"
           "  --show     show the running bar and give it the keyboard focus\n"
           "             (starts the bar when none runs)\n"
           "  --quit     the running bar saves its settings and closes\n"
           "  --help     print this text\n"
           "  --version  print the version\n"
           "\n"
           "One bar runs per user and display. Bind 'lumora --show' to a key in the\n"
           "desktop's keyboard settings to summon it where no hotkey can be grabbed.\n";
}

int AnswerOnConsole(const SLaunch& launch)
{
    switch (launch.action) {
    case ELaunchAction::Help: std::fputs(HelpText(), stdout); return 0;
    case ELaunchAction::Version: std::printf("%s\n", VersionText()); return 0;
    case ELaunchAction::Invalid: std::fprintf(stderr, "%s\n", launch.message.c_str()); return kUsageExitCode;
    case ELaunchAction::Start:
    case ELaunchAction::Show:
    case ELaunchAction::Quit: break;
    }
    return -1;
}
