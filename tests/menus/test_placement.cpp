// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engines/Catalog.h"
#include "menus/EngineMenu.h"
#include "menus/OptionsMenu.h"
#include "platform/DialogUnits.h"
#include "store/EngineList.h"

#include <QTest>

#include <gtest/gtest.h>

namespace {

TEST(MenuPlacement, Arithmetic)
{
    struct Row {
        QRect box;
        int menuWidth;
        QPoint left;
        QPoint right;
    };
    // Boxes from their exclusive edges: a box from x 100 to 117 ends before
    // pixel 117, so a right-aligned 50-pixel menu covers 67..116.
    const Row rows[] = {
        {RectFromEdges(100, 10, 117, 23), 50, {100, 23}, {67, 23}},
        {RectFromEdges(9, 8, 135, 24), 120, {9, 24}, {15, 24}},
        {RectFromEdges(-40, -2, 20, 14), 100, {-40, 14}, {-80, 14}},  // bar partly off screen
        {RectFromEdges(0, 0, 1, 1), 1, {0, 1}, {0, 1}},
    };
    for (const Row& r : rows) {
        EXPECT_EQ(LeftAlignedBelow(r.box), r.left);
        EXPECT_EQ(RightAlignedBelow(r.box, r.menuWidth), r.right);
        EXPECT_EQ(RightAlignedBelow(r.box, r.menuWidth).x() + r.menuWidth, RightEdge(r.box));
    }
}

TEST(MenuPlacement, PopupsOpenUnderTheirBoxes)
{
    CEngineList engines;
    BuildDefaultCatalog(engines);
    CEngineMenu engineMenu;
    engineMenu.Rebuild(engines);
    const QRect engineBox = RectFromEdges(50, 40, 176, 56);
    engineMenu.PopupBelow(engineBox);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&engineMenu));
    EXPECT_EQ(engineMenu.geometry().topLeft(), QPoint(50, 56));
    engineMenu.hide();

    COptionsMenu optionsMenu;
    const QRect optionsBox = RectFromEdges(400, 40, 426, 53);
    optionsMenu.PopupBelow(optionsBox);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&optionsMenu));
    EXPECT_EQ(RightEdge(optionsMenu.geometry()), RightEdge(optionsBox));
    EXPECT_EQ(optionsMenu.geometry().top(), BottomEdge(optionsBox));
    optionsMenu.hide();
}

}  // namespace
