// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/LumoraApp.h"
#include "bar/LumoraDlg.h"
#include "common/AddressRecorder.h"
#include "common/TempConfigHome.h"
#include "options/OptionTable.h"
#include "platform/DialogUnits.h"

#include <QApplication>
#include <QImage>
#include <QKeyEvent>
#include <QLineEdit>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <string>

namespace {

class BarWindowTest : public ::testing::Test {
protected:
    // Shows the bar and returns the widget that has the keyboard, which must
    // be the query field.
    QWidget* ShowAndFocus(CLumoraDlg& bar)
    {
        bar.show();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&bar));
        QWidget* focused = QApplication::focusWidget();
        EXPECT_EQ(focused, bar.QueryField());
        return focused ? focused : bar.QueryField();
    }

    static void Press(QWidget* target, int key, bool autoRepeat = false,
                      Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QKeyEvent press(QEvent::KeyPress, key, modifiers, QStringLiteral("\r"), autoRepeat);
        QApplication::sendEvent(target, &press);
    }

    // Types text key by key; unlike QTest::keyClicks it takes letters outside ASCII.
    static void Type(QWidget* target, const QString& text)
    {
        for (const QChar ch : text)
            QTest::sendKeyEvent(QTest::Click, target, Qt::Key_unknown, QString(ch), Qt::NoModifier);
    }

    static bool EndsWith(const std::string& s, const std::string& tail)
    {
        return s.size() >= tail.size() && s.compare(s.size() - tail.size(), tail.size(), tail) == 0;
    }

    TempConfigHome m_home;
    AddressRecorder m_opened;
};

TEST_F(BarWindowTest, EnterSearchesWithTheFieldTextAndKeepsIt)
{
    struct Case {
        const char* typed;
        const char* host;
        const char* tail;
    };
    const Case cases[] = {
        {"cats", "google.", "/search?q=cats"},
        {"w Dublin Bay", "wikipedia.", "/wiki/Dublin%20Bay"},
        {"c++", "google.", "/search?q=c%2B%2B"},
        // The field's text crosses into the core as UTF-8.
        {"caf\u00e9", "google.", "/search?q=caf%C3%A9"},
    };

    CLumoraDlg bar;
    QWidget* field = ShowAndFocus(bar);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        m_opened.Clear();
        bar.QueryField()->clear();
        Type(field, QString::fromUtf8(c.typed));
        QTest::keyClick(field, Qt::Key_Return);

        ASSERT_EQ(m_opened.Addresses().size(), 1u);
        const std::string& address = m_opened.Addresses().front();
        EXPECT_NE(address.find(c.host), std::string::npos) << address;
        EXPECT_TRUE(EndsWith(address, c.tail)) << address;
        EXPECT_EQ(bar.QueryField()->text(), QString::fromUtf8(c.typed));
    }
    // An abbreviation picks an engine for one search only.
    EXPECT_EQ(bar.Current().name, "Google");
}

TEST_F(BarWindowTest, EveryEnterPressSearchesAutoRepeatAndKeypadIncluded)
{
    CLumoraDlg bar;
    QWidget* field = ShowAndFocus(bar);
    Type(field, QStringLiteral("cats"));

    Press(field, Qt::Key_Return);
    Press(field, Qt::Key_Return, true);
    Press(field, Qt::Key_Return, true);
    Press(field, Qt::Key_Enter, false, Qt::KeypadModifier);

    ASSERT_EQ(m_opened.Addresses().size(), 4u);
    for (const std::string& address : m_opened.Addresses()) EXPECT_EQ(address, m_opened.Addresses().front());
    EXPECT_EQ(bar.QueryField()->text(), QStringLiteral("cats"));
}

TEST_F(BarWindowTest, EscapeAndEnterNeverEndTheBar)
{
    CLumoraDlg bar;
    QSignalSpy rejected(&bar, &QDialog::rejected);
    bool visibleAfterKeys = false;

    QTimer::singleShot(0, &bar, [&] {
        QWidget* field = bar.QueryField();
        QTest::keyClick(field, Qt::Key_Escape);
        QTest::keyClick(field, Qt::Key_Return);
        QTest::keyClick(&bar, Qt::Key_Escape);  // also when the bar itself gets the key
        QTest::keyClick(&bar, Qt::Key_Return);
        visibleAfterKeys = bar.isVisible();
        bar.done(42);
    });
    // Deadline so a broken bar cannot hang the run.
    QTimer::singleShot(10000, &bar, [&] { bar.done(-1); });

    EXPECT_EQ(bar.exec(), 42);
    EXPECT_TRUE(visibleAfterKeys);
    EXPECT_EQ(rejected.count(), 0);
}

TEST_F(BarWindowTest, NoCurrentEngineOpensNothing)
{
    CLumoraDlg bar;
    bar.OnCommand(kLastEngineCommand);  // no engine at that position
    ASSERT_TRUE(IsNull(bar.Current()));
    bar.RunSearch("cats");
    bar.RunSearch("");
    EXPECT_TRUE(m_opened.Addresses().empty());
    // An abbreviation still reaches its engine.
    bar.RunSearch("w Dublin");
    EXPECT_EQ(m_opened.Addresses().size(), 1u);
}

TEST_F(BarWindowTest, LayoutFollowsTheTemplate)
{
    CLumoraDlg bar;
    struct Row {
        const char* name;
        QRect actual;
        QRect expected;
    };
    const Row rows[] = {
        {"engine box", bar.Layout().engineBox, RectFromEdges(9, 8, 135, 24)},
        {"options box", bar.Layout().optionsBox, RectFromEdges(174, 10, 200, 23)},
        {"edit", bar.Layout().editRect, RectFromEdges(15, 31, 195, 49)},
        {"field", bar.Layout().fieldRect, RectFromEdges(10, 29, 200, 51)},
        {"search box", bar.Layout().searchBox, RectFromEdges(175, 29, 200, 51)},
        {"pull strip", bar.Layout().pullStrip, RectFromEdges(0, 57, 210, 60)},
        // The edit starts narrow, clear of the search box.
        {"edit control", bar.QueryField()->geometry(), RectFromEdges(15, 31, 174, 49)},
    };
    for (const Row& row : rows) EXPECT_EQ(row.actual, row.expected) << row.name;
}

TEST_F(BarWindowTest, HangsCentredFromTheTopEdge)
{
    CLumoraDlg bar;
    bar.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&bar));

    const int desktopWidth = QGuiApplication::primaryScreen()->geometry().width();
    EXPECT_EQ(bar.size(), QSize(210, 60));
    EXPECT_EQ(bar.frameGeometry(), bar.geometry());  // no frame of any kind
    EXPECT_EQ(bar.pos(), QPoint(desktopWidth / 2 - 105, -2));
    EXPECT_EQ(bar.Settings().barLeft, desktopWidth / 2 - 105);
    EXPECT_TRUE(bar.windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_TRUE(bar.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(bar.Current().name, "Google");
}

// The first frame carries the icon's 32 x 32 image only; the icon at every
// size and the hotkey grab follow it, once. A Hotkey dialog opened before
// then finds the hotkey ready.
TEST_F(BarWindowTest, IconAtAllSizesAndHotkeyFollowTheFirstFrame)
{
    TempConfigHome home;
    QApplication::setWindowIcon(QIcon());
    CLumoraDlg bar;
    EXPECT_EQ(bar.windowIcon().availableSizes(), QList<QSize>{QSize(32, 32)});
    EXPECT_NE(bar.Hotkey(), nullptr);
    EXPECT_FALSE(bar.IsStartupFinished());

    bar.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&bar));
    ASSERT_TRUE(QTest::qWaitFor([&] { return bar.IsStartupFinished(); }));
    EXPECT_EQ(QApplication::windowIcon().availableSizes().size(), 7);
    EXPECT_EQ(bar.windowIcon().availableSizes(), QApplication::windowIcon().availableSizes());
    // The keyboard request does not wait for the frame.
    EXPECT_TRUE(bar.isActiveWindow());

    // Shown again, the bar does nothing of it a second time.
    const qint64 iconKey = QApplication::windowIcon().cacheKey();
    bar.hide();
    bar.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&bar));
    QTest::qWait(0);
    EXPECT_EQ(QApplication::windowIcon().cacheKey(), iconKey);
}

// The icon comes from the PNGs built into the program, one per size.
TEST(AppIcon, EverySizeIsRead)
{
    const QIcon icon = AppIcon();
    QList<QSize> sizes;
    for (int side : {16, 24, 32, 48, 64, 128, 256}) sizes << QSize(side, side);
    EXPECT_EQ(icon.availableSizes(), sizes);
    for (const QSize& size : sizes) {
        const QImage image = icon.pixmap(size).toImage();
        EXPECT_EQ(image.size(), size);
        EXPECT_TRUE(image.hasAlphaChannel()) << size.width();
    }
}

}  // namespace
