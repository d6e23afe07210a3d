// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "instance/CommandLine.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

SLaunch Parse(std::vector<const char*> arguments)
{
    arguments.insert(arguments.begin(), "lumora");
    return ParseCommandLine(static_cast<int>(arguments.size()), arguments.data());
}

TEST(CommandLine, EachKnownArgumentAsksForItsAction)
{
    EXPECT_EQ(Parse({}).action, ELaunchAction::Start);
    EXPECT_EQ(Parse({"--show"}).action, ELaunchAction::Show);
    EXPECT_EQ(Parse({"--quit"}).action, ELaunchAction::Quit);
    EXPECT_EQ(Parse({"--help"}).action, ELaunchAction::Help);
    EXPECT_EQ(Parse({"--version"}).action, ELaunchAction::Version);
    EXPECT_EQ(Parse({"--selection"}).action, ELaunchAction::Selection);
    EXPECT_STREQ(VersionText(), "Lumora 1.28");
}

TEST(CommandLine, AnythingElseIsRefusedWithOneLineNamingIt)
{
    for (const auto& arguments : std::vector<std::vector<const char*>>{{"--shows"},
                                                                       {"-show"},
                                                                       {"show"},
                                                                       {""},
                                                                       {"--SHOW"},
                                                                       {"--show", "--quit"},
                                                                       {"--help", "x"},
                                                                       {"--private"},
                                                                       {"--selection", "x"}}) {
        const SLaunch launch = Parse(arguments);
        EXPECT_EQ(launch.action, ELaunchAction::Invalid) << arguments.back();
        EXPECT_NE(launch.message.find("'" + std::string(arguments.back()) + "'"), std::string::npos) << launch.message;
        EXPECT_NE(launch.message.find("--help"), std::string::npos);
        EXPECT_EQ(launch.message.find('\n'), std::string::npos);
    }
    EXPECT_EQ(kUsageExitCode, 2);
    const SLaunch misplaced = Parse({"--private", "--search", "x"});
    EXPECT_EQ(misplaced.action, ELaunchAction::Invalid);
    EXPECT_NE(misplaced.message.find("--private' goes right after --search"), std::string::npos) << misplaced.message;
}

TEST(CommandLine, SearchTakesEveryWordAfterItAsTheText)
{
    SLaunch launch = Parse({"--search", "w", "Dublin", "Bay"});
    EXPECT_EQ(launch.action, ELaunchAction::Search);
    EXPECT_EQ(launch.text, "w Dublin Bay");
    EXPECT_FALSE(launch.privateWindow);

    launch = Parse({"--search", "--private", "w Dublin  Bay"});
    EXPECT_EQ(launch.action, ELaunchAction::Search);
    EXPECT_EQ(launch.text, "w Dublin  Bay");
    EXPECT_TRUE(launch.privateWindow);

    // Words that look like options are text; "--" lets the text begin
    // with "--private".
    EXPECT_EQ(Parse({"--search", "--help", "--quit"}).text, "--help --quit");
    launch = Parse({"--search", "--", "--private", "x"});
    EXPECT_EQ(launch.text, "--private x");
    EXPECT_FALSE(launch.privateWindow);
    EXPECT_EQ(Parse({"--search", "$(touch /tmp/x);", "\"q\""}).text, "$(touch /tmp/x); \"q\"");
}

TEST(CommandLine, SearchWithoutTextOrWithTooMuchIsRefused)
{
    for (const auto& arguments : std::vector<std::vector<const char*>>{
             {"--search"}, {"--search", "--private"}, {"--search", "", " "}, {"--search", "--private", "--"}}) {
        const SLaunch launch = Parse(arguments);
        EXPECT_EQ(launch.action, ELaunchAction::Invalid) << arguments.size();
        EXPECT_NE(launch.message.find("--search"), std::string::npos) << launch.message;
    }
    const std::string most(kMaxSearchBytes, 'x');
    EXPECT_EQ(Parse({"--search", most.c_str()}).action, ELaunchAction::Search);
    const std::string half(kMaxSearchBytes / 2, 'x');
    // Two halves and the space between them: one byte over.
    const SLaunch over = Parse({"--search", half.c_str(), half.c_str()});
    EXPECT_EQ(over.action, ELaunchAction::Invalid);
    EXPECT_NE(over.message.find("8192"), std::string::npos) << over.message;
    EXPECT_EQ(over.message.find('\n'), std::string::npos);
    EXPECT_EQ(AnswerOnConsole(over), kUsageExitCode);
}

}  // namespace
