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
    EXPECT_STREQ(VersionText(), "Lumora 1.28");
}

TEST(CommandLine, AnythingElseIsRefusedWithOneLineNamingIt)
{
    for (const auto& arguments : std::vector<std::vector<const char*>>{
             {"--shows"}, {"-show"}, {"show"}, {""}, {"--SHOW"}, {"--show", "--quit"}, {"--help", "x"}}) {
        const SLaunch launch = Parse(arguments);
        EXPECT_EQ(launch.action, ELaunchAction::Invalid) << arguments.back();
        EXPECT_NE(launch.message.find("'" + std::string(arguments.back()) + "'"), std::string::npos) << launch.message;
        EXPECT_NE(launch.message.find("--help"), std::string::npos);
        EXPECT_EQ(launch.message.find('\n'), std::string::npos);
    }
    EXPECT_EQ(kUsageExitCode, 2);
}

}  // namespace
