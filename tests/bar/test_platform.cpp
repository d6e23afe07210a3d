// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "common/AddressRecorder.h"
#include "common/ScopedEnv.h"
#include "platform/Activation.h"
#include "platform/DialogUnits.h"
#include "platform/DisplayCheck.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>

namespace {

TEST(DialogUnitsTest, RoundsEachEdgeHalvesUp)
{
    struct Case {
        int du;
        int x;  // du * 6 / 4
        int y;  // du * 13 / 8
    };
    const Case cases[] = {
        {0, 0, 0},       {1, 2, 2},    {4, 6, 7},    {5, 8, 8},    {133, 200, 216},
        {140, 210, 228}, {37, 56, 60}, {-1, -1, -2}, {-4, -6, -6}, {-5, -7, -8},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(DialogUnitsToPixelsX(c.du), c.x) << c.du;
        EXPECT_EQ(DialogUnitsToPixelsY(c.du), c.y) << c.du;
    }
    // Edges, not sizes, are rounded: 116 + 17 ends at 200 although 17 du alone is 26 px.
    EXPECT_EQ(DialogRectToPixels(116, 6, 17, 8), RectFromEdges(174, 10, 200, 23));
}

std::optional<std::string> Env(const char* name)
{
    const char* value = std::getenv(name);
    return value ? std::optional<std::string>(value) : std::nullopt;
}

TEST(DisplayCheckTest, WaylandSessionsGoThroughXWayland)
{
    struct Case {
        std::optional<std::string> wayland, platform, expected;
    };
    const Case cases[] = {
        {"wayland-0", std::nullopt, "xcb"},
        {"wayland-0", "offscreen", "offscreen"},  // an explicit choice stands
        {std::nullopt, std::nullopt, std::nullopt},
        {"", std::nullopt, std::nullopt},
    };
    for (const Case& c : cases) {
        ScopedEnv wayland("WAYLAND_DISPLAY", c.wayland);
        ScopedEnv platform("QT_QPA_PLATFORM", c.platform);
        PreferXWayland();
        EXPECT_EQ(Env("QT_QPA_PLATFORM"), c.expected) << c.wayland.value_or("(unset)");
    }
}

TEST(DisplayCheckTest, NamesAMissingOrUnreachableDisplay)
{
    {
        ScopedEnv platform("QT_QPA_PLATFORM", std::nullopt);
        ScopedEnv display("DISPLAY", std::nullopt);
        ScopedEnv wayland("WAYLAND_DISPLAY", std::nullopt);
        EXPECT_EQ(DisplayProblem(), "lumora: no display to show the bar on (DISPLAY is not set)");
    }
    {
        // A Wayland session whose compositor runs no XWayland.
        ScopedEnv wayland("WAYLAND_DISPLAY", "wayland-0");
        ScopedEnv platform("QT_QPA_PLATFORM", std::nullopt);
        ScopedEnv display("DISPLAY", std::nullopt);
        PreferXWayland();
        EXPECT_EQ(DisplayProblem(),
                  "lumora: no X display for the bar (DISPLAY is not set); on Wayland, Lumora runs through XWayland");
    }
    {
        ScopedEnv platform("QT_QPA_PLATFORM", "xcb");
        ScopedEnv display("DISPLAY", ":4711");
        const std::string problem = DisplayProblem();
        EXPECT_NE(problem.find(":4711"), std::string::npos) << problem;
        EXPECT_EQ(problem.find('\n'), std::string::npos);
    }
    {
        // Headless platforms need no display at all.
        ScopedEnv platform("QT_QPA_PLATFORM", "offscreen");
        ScopedEnv display("DISPLAY", std::nullopt);
        EXPECT_EQ(DisplayProblem(), "");
    }
}

// A launcher's activation token becomes the X11 startup id, once; an id the
// launcher gave, and platforms other than xcb, are left alone.
TEST(ActivationTest, TheActivationTokenServesAsTheStartupId)
{
    struct Case {
        std::optional<std::string> platform, token, startupId;
        std::optional<std::string> expectedStartupId, expectedToken;
    };
    const Case cases[] = {
        {"xcb", "tok1", std::nullopt, "tok1", std::nullopt},
        {std::nullopt, "tok2", "", "tok2", std::nullopt},
        {"xcb", "tok3", "launcher-id", "launcher-id", std::nullopt},
        {"xcb", std::nullopt, std::nullopt, std::nullopt, std::nullopt},
        {"wayland", "tok4", std::nullopt, std::nullopt, "tok4"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.token.value_or("(no token)"));
        ScopedEnv platform("QT_QPA_PLATFORM", c.platform);
        ScopedEnv token("XDG_ACTIVATION_TOKEN", c.token);
        ScopedEnv startupId("DESKTOP_STARTUP_ID", c.startupId);
        AdoptActivationToken();
        EXPECT_EQ(Env("DESKTOP_STARTUP_ID"), c.expectedStartupId);
        EXPECT_EQ(Env("XDG_ACTIVATION_TOKEN"), c.expectedToken);
    }
}

TEST(AddressOpenerTest, RecordersNestAndRestore)
{
    AddressRecorder outer;
    {
        AddressRecorder inner;
        OpenAddress("http://a.example/");
        EXPECT_EQ(inner.Addresses(), std::vector<std::string>{"http://a.example/"});
    }
    OpenAddress("help.chm");
    EXPECT_EQ(outer.Addresses(), std::vector<std::string>{"help.chm"});
}

}  // namespace
