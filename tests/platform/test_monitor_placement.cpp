// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/MonitorPlacement.h"

#include <gtest/gtest.h>

namespace {

constexpr int kBar = 210;

// A laptop on the left, 224 pixels below the top of a taller external one.
const std::vector<SMonitor> kLaptopBelow{
    {"L", QRect(0, 224, 1280, 800), true},
    {"R", QRect(1280, 0, 1920, 1024), false},
};

}  // namespace

TEST(MonitorPlacement, ChoosesTheRememberedMonitorElseThePrimary)
{
    EXPECT_EQ(ChooseMonitor(kLaptopBelow, "R"), 1);
    EXPECT_EQ(ChooseMonitor(kLaptopBelow, ""), 0);
    // Unplugged since: the primary.
    EXPECT_EQ(ChooseMonitor(kLaptopBelow, "HDMI-2"), 0);
    // The primary on the right.
    const std::vector<SMonitor> primaryRight{{"L", QRect(0, 224, 1280, 800), false},
                                             {"R", QRect(1280, 0, 1920, 1024), true}};
    EXPECT_EQ(ChooseMonitor(primaryRight, "HDMI-2"), 1);
    // No primary reported: the first.
    EXPECT_EQ(ChooseMonitor({{"A", QRect(0, 0, 800, 600), false}}, ""), 0);
    EXPECT_EQ(ChooseMonitor({}, "R"), -1);
}

TEST(MonitorPlacement, CentresOnTheMonitorNotTheDesktop)
{
    EXPECT_EQ(CenterOnMonitor(QRect(1280, 0, 1920, 1024), kBar), 1280 + 960 - 105);
    // One monitor at 0,0: the single desktop's value.
    EXPECT_EQ(CenterOnMonitor(QRect(0, 0, 1024, 768), kBar), 512 - 105);
    // Odd widths round as the integer division does.
    EXPECT_EQ(CenterOnMonitor(QRect(0, 0, 1025, 768), 211), 512 - 105);
}

TEST(MonitorPlacement, StoredXIsCheckedAgainstItsMonitor)
{
    const QRect right(1280, 0, 1920, 1024);
    const int centred = CenterOnMonitor(right, kBar);
    EXPECT_EQ(CheckedLeft(1280, right, kBar), 1280);
    EXPECT_EQ(CheckedLeft(1280 + 1920 - 50, right, kBar), 1280 + 1920 - 50);
    EXPECT_EQ(CheckedLeft(1279, right, kBar), centred);
    EXPECT_EQ(CheckedLeft(1280 + 1920 - 49, right, kBar), centred);
    EXPECT_EQ(CheckedLeft(-5, right, kBar), centred);
    EXPECT_EQ(CheckedLeft(INT32_MAX, right, kBar), centred);
    EXPECT_EQ(CheckedLeft(INT32_MIN, QRect(0, 0, 1024, 768), kBar), 407);
}

// The external on the right, its top above the laptop's: a drag along the
// external's top can run into the gap above the laptop.
TEST(MonitorPlacement, ADragLetGoWhereNoMonitorShowsTheBarEndsOnItsMonitor)
{
    const QRect external(1280, 0, 1920, 1024);
    EXPECT_EQ(LeftAfterDrag(300, external, kBar), 1280);
    EXPECT_EQ(LeftAfterDrag(1280 - kBar, external, kBar), 1280);
    EXPECT_EQ(LeftAfterDrag(INT32_MIN, external, kBar), 1280);
    EXPECT_EQ(LeftAfterDrag(3200, external, kBar), 3200 - kBar);
    // A pixel on the monitor is enough: the bar stays where it was let go.
    EXPECT_EQ(LeftAfterDrag(1280 - kBar + 1, external, kBar), 1280 - kBar + 1);
    EXPECT_EQ(LeftAfterDrag(3199, external, kBar), 3199);
    EXPECT_EQ(LeftAfterDrag(-100, QRect(0, 0, 1024, 768), kBar), -100);
}

TEST(MonitorPlacement, PointsInGapsBelongToNoMonitor)
{
    EXPECT_EQ(MonitorAt(kLaptopBelow, QPoint(10, 230)), 0);
    EXPECT_EQ(MonitorAt(kLaptopBelow, QPoint(1280, 0)), 1);
    // Above the laptop: no monitor shows it.
    EXPECT_EQ(MonitorAt(kLaptopBelow, QPoint(10, 100)), -1);
}
