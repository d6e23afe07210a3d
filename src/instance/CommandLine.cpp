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
    {"-h", ELaunchAction::Help},     {"--version", ELaunchAction::Version}, {"--selection", ELaunchAction::Selection},
};

constexpr std::string_view kSearchArgument = "--search";
constexpr std::string_view kPrivateArgument = "--private";

SLaunch Invalid(std::string message)
{
    return SLaunch(ELaunchAction::Invalid, "lumora: " + std::move(message) + "; see 'lumora --help'");
}

// "--search [--private] [--] TEXT...": every word after the options is
// text, even one that starts with a dash.
SLaunch ParseSearch(int argc, const char* const* argv)
{
    SLaunch launch(ELaunchAction::Search);
    int first = 2;
    if (first < argc && argv[first] == kPrivateArgument) {
        launch.privateWindow = true;
        ++first;
    }
    if (first < argc && std::string_view(argv[first]) == "--") ++first;
    for (int i = first; i < argc; ++i) {
        if (i > first) launch.text += ' ';
        launch.text += argv[i];
        if (launch.text.size() > kMaxSearchBytes) break;
    }
    if (launch.text.find_first_not_of(" \t\r\n") == std::string::npos)
        return Invalid("--search needs the words to search for");
    if (launch.text.size() > kMaxSearchBytes) {
        return SLaunch(ELaunchAction::Invalid, "lumora: the text to search for is longer than " +
                                                   std::to_string(kMaxSearchBytes) + " bytes; nothing was searched");
    }
    return launch;
}

}  // namespace

SLaunch ParseCommandLine(int argc, const char* const* argv)
{
    if (argc <= 1) return {};
    if (argv[1] == kSearchArgument) return ParseSearch(argc, argv);
    if (argv[1] == kPrivateArgument) return Invalid("'--private' goes right after --search");
    // One request per start: "--show --quit" would leave it open which wins.
    if (argc > 2) return Invalid("one argument at most, got '" + std::string(argv[2]) + "' after '" + argv[1] + "'");

    const std::string_view argument = argv[1];
    for (const SKnownArgument& known : kArguments) {
        if (argument == known.text) return SLaunch(known.action);
    }
    return Invalid("unknown argument '" + std::string(argument) + "'");
}

const char* VersionText()
{
    return "Lumora 1.28";
}

const char* HelpText()
{
    return "Usage: lumora [--show | --quit | --selection | --help | --version]\n"
           "       lumora --search [--private] TEXT...\n"
           "A search bar at the top edge of the screen: type a query, press Enter.\n"
           "\n"
           "  (none)     start the bar; when it already runs, show it\n"
           "  --show     show the running bar and give it the keyboard focus\n"
           "             (starts the bar when none runs)\n"
           "  --quit     the running bar saves its settings and closes\n"
           "  --search TEXT...\n"
           "             search the words as if typed into the bar and Enter pressed\n"
           "             (an abbreviation first picks the engine); the bar stays as it\n"
           "             is. --private sends the search to a private browser window.\n"
           "             The text is only ever a query, at most 8192 bytes.\n"
           "  --selection\n"
           "             bring the bar down with the text selected in any program (or\n"
           "             the clipboard's) in its field: Enter searches it\n"
           "  --help     print this text\n"
           "  --version  print the version\n"
           "\n"
           "One bar runs per user and display. Bind 'lumora --show' to a key in the\n"
           "desktop's keyboard settings to summon it where no hotkey can be grabbed,\n"
           "and 'lumora --selection' to search what is selected.\n";
}

int AnswerOnConsole(const SLaunch& launch)
{
    switch (launch.action) {
    case ELaunchAction::Help: std::fputs(HelpText(), stdout); return 0;
    case ELaunchAction::Version: std::printf("%s\n", VersionText()); return 0;
    case ELaunchAction::Invalid: std::fprintf(stderr, "%s\n", launch.message.c_str()); return kUsageExitCode;
    case ELaunchAction::Start:
    case ELaunchAction::Show:
    case ELaunchAction::Quit:
    case ELaunchAction::Search:
    case ELaunchAction::Selection: break;
    }
    return -1;
}
