// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A summon from the keyboard on the offscreen platform: down at once,
// focused with the query selected, held down while the user types, and back
// up on Escape, after Enter, or once the pointer has come and gone.
#include "bar/BarTestAccess.h"
#include "bar/LumoraDlg.h"
#include "common/AddressRecorder.h"
#include "common/TempConfigHome.h"

#include <QApplication>
#include <QCursor>
#include <QEnterEvent>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

namespace {

constexpr int kShownTop = -2;
constexpr int kHiddenTop = 3 - 60;
const QPoint kAway(5, 500);

class BarSummonTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        QCursor::setPos(kAway);
        m_bar.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&m_bar));
        // Auto hide is on at a first start: with the pointer away the bar
        // goes up at the first look.
        m_bar.AutoHide().Poll();
        ASSERT_EQ(m_bar.y(), kHiddenTop);
    }

    void HidePollTicks()
    {
        for (int i = 0; i < 3; ++i) m_bar.AutoHide().Poll();
    }

    TempConfigHome m_home;
    AddressRecorder m_opened;
    CLumoraDlg m_bar;
};

TEST_F(BarSummonTest, ComesDownFocusedWithTheQuerySelectedAndStaysWhileTheUserTypes)
{
    m_bar.QueryField()->setText("earlier query");
    m_bar.QueryField()->deselect();
    m_bar.Summon();

    EXPECT_EQ(m_bar.y(), kShownTop);
    EXPECT_TRUE(m_bar.AutoHide().IsShown());
    EXPECT_TRUE(m_bar.IsSummoned());
    EXPECT_EQ(m_bar.QueryField()->selectedText(), "earlier query");
    EXPECT_TRUE(QTest::qWaitFor([&] { return m_bar.QueryField()->hasFocus(); }, 2000));

    // Typing replaces the selection; the polls find the pointer away and
    // still leave the bar down.
    QTest::keyClicks(m_bar.QueryField(), "cats");
    HidePollTicks();
    EXPECT_EQ(m_bar.y(), kShownTop);
    EXPECT_EQ(m_bar.QueryField()->text(), "cats");
    EXPECT_TRUE(m_opened.Addresses().empty());
}

TEST_F(BarSummonTest, EscapeSendsItBackUpAndNeverEndsTheBar)
{
    m_bar.Summon();
    QTest::keyClick(m_bar.QueryField(), Qt::Key_Escape);
    EXPECT_EQ(m_bar.y(), kHiddenTop);
    EXPECT_FALSE(m_bar.IsSummoned());
    EXPECT_TRUE(m_bar.isVisible());
    EXPECT_EQ(m_bar.result(), 0);

    // Not summoned: Escape changes nothing; with auto hide off a summoned
    // bar stays down on Escape.
    QTest::keyClick(m_bar.QueryField(), Qt::Key_Escape);
    EXPECT_EQ(m_bar.y(), kHiddenTop);
    CBarTestAccess::SetAutoHide(m_bar, false);
    m_bar.Summon();
    QTest::keyClick(m_bar.QueryField(), Qt::Key_Escape);
    EXPECT_EQ(m_bar.y(), kShownTop);
    EXPECT_TRUE(m_bar.isVisible());
}

TEST_F(BarSummonTest, EnterSearchesAndThenTheBarGoesUp)
{
    m_bar.Summon();
    QTest::keyClicks(m_bar.QueryField(), "w Dublin");
    QTest::keyClick(m_bar.QueryField(), Qt::Key_Return);
    ASSERT_EQ(m_opened.Addresses().size(), 1u);
    EXPECT_NE(m_opened.Addresses().front().find("Dublin"), std::string::npos);
    EXPECT_EQ(m_bar.y(), kHiddenTop);
    EXPECT_FALSE(m_bar.IsSummoned());
    // The poll that a hide starts brings it back only for the pointer.
    m_bar.AutoHide().Poll();
    EXPECT_EQ(m_bar.y(), kHiddenTop);
}

TEST_F(BarSummonTest, OnceThePointerHasComeAndGoneAutoHideIsOrdinaryAgain)
{
    m_bar.Summon();
    // Leaving without having entered keeps the summon.
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&m_bar, &leave);
    HidePollTicks();
    EXPECT_EQ(m_bar.y(), kShownTop);

    const QPoint inside(100, 30);
    QCursor::setPos(m_bar.mapToGlobal(inside));
    QEnterEvent enter(inside, inside, m_bar.mapToGlobal(inside));
    QApplication::sendEvent(&m_bar, &enter);
    HidePollTicks();
    EXPECT_EQ(m_bar.y(), kShownTop);

    QCursor::setPos(kAway);
    QApplication::sendEvent(&m_bar, &leave);
    EXPECT_FALSE(m_bar.IsSummoned());
    m_bar.AutoHide().Poll();
    EXPECT_EQ(m_bar.y(), kHiddenTop);
}

}  // namespace
