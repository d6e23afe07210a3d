// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Earlier searches in the real bar on the offscreen platform: what is
// recorded and when, Up/Down recall, the completion list and its keys, the
// two options menu entries, and the list's look.
#include "bar/CompletionList.h"
#include "bar/LumoraDlg.h"
#include "bar/SearchRecall.h"
#include "common/AddressRecorder.h"
#include "common/TempConfigHome.h"
#include "menus/OptionsMenu.h"
#include "options/OptionTable.h"
#include "store/DataFolder.h"
#include "store/IniFile.h"

#include <QApplication>
#include <QCursor>
#include <QImage>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

namespace {

using Strings = std::vector<std::string>;

std::string FileText(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

class BarRecallTest : public ::testing::Test {
protected:
    void SetUp() override { StartBar(); }

    void StartBar()
    {
        m_bar = std::make_unique<CLumoraDlg>();
        m_bar->show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(m_bar.get()));
        // Auto hide is on: the pointer on the bar keeps it down.
        QCursor::setPos(m_bar->geometry().center());
        Field()->setFocus();
        ASSERT_TRUE(QTest::qWaitFor([&] { return Field()->hasFocus(); }, 2000));
    }

    QLineEdit* Field() const { return m_bar->QueryField(); }
    CSearchRecall* Recall() const { return m_bar->Recall(); }
    CCompletionList* List() const { return Recall()->List(); }

    void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(Field(), key, modifiers);
    }

    // Replaces the field's text by typing, then Enter.
    void Search(const QString& text)
    {
        Field()->clear();
        QTest::keyClicks(Field(), text);
        Key(Qt::Key_Escape);  // closes a list the typing opened
        Key(Qt::Key_Return);
    }

    Strings ListRows() const
    {
        Strings rows;
        for (int i = 0; i < List()->Count(); ++i) rows.push_back(List()->Entry(i).toStdString());
        return rows;
    }

    std::string HistoryText() const { return FileText(HistoryPath()); }

    TempConfigHome m_home;
    AddressRecorder m_opened;
    std::unique_ptr<CLumoraDlg> m_bar;
};

TEST_F(BarRecallTest, ReadAfterTheFirstFrameAndWrittenAfterEachSearch)
{
    // A history from an earlier run; the bar reads it only after its frame.
    m_bar.reset();
    CSearchHistory earlier;
    earlier.Add("from yesterday");
    ASSERT_TRUE(CHistoryFile(HistoryPath()).Save(earlier));
    m_bar = std::make_unique<CLumoraDlg>();
    EXPECT_FALSE(Recall()->IsLoaded());
    m_bar->show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return m_bar->IsStartupFinished(); }, 5000));
    EXPECT_TRUE(Recall()->IsLoaded());
    EXPECT_EQ(Recall()->History().Size(), 1u);

    // Searches as typed, spaces trimmed, the abbreviation kept; on disk at
    // once, newest first. An empty query sends an address but is not kept.
    Search("  w Dublin Bay ");
    Search("cats");
    Search("   ");
    ASSERT_EQ(m_opened.Addresses().size(), 3u);
    EXPECT_NE(m_opened.Addresses()[0].find("wikipedia"), std::string::npos);
    EXPECT_EQ(HistoryText(), "cats\nw Dublin Bay\nfrom yesterday\n");
    // The same search again moves to the top.
    Search("w Dublin Bay");
    EXPECT_EQ(HistoryText(), "w Dublin Bay\ncats\nfrom yesterday\n");
}

TEST_F(BarRecallTest, UpAndDownRecallLikeAShell)
{
    Search("first");
    Search("second");
    Field()->setText("draft");
    Key(Qt::Key_Up);
    EXPECT_EQ(Field()->text(), "second");
    Key(Qt::Key_Up);
    EXPECT_EQ(Field()->text(), "first");
    Key(Qt::Key_Up);  // the oldest stays
    EXPECT_EQ(Field()->text(), "first");
    EXPECT_FALSE(Recall()->IsListOpen());
    Key(Qt::Key_Down);
    EXPECT_EQ(Field()->text(), "second");
    Key(Qt::Key_Down);  // past the newest: what was typed
    EXPECT_EQ(Field()->text(), "draft");

    // Typing after a recall edits the recalled text, and Enter sends it.
    Key(Qt::Key_Up);
    QTest::keyClicks(Field(), "s");
    Key(Qt::Key_Escape);
    Key(Qt::Key_Return);
    EXPECT_EQ(Field()->text(), "seconds");
    EXPECT_EQ(HistoryText(), "seconds\nsecond\nfirst\n");
    // A new recall starts from the newest again.
    Key(Qt::Key_Up);
    EXPECT_EQ(Field()->text(), "seconds");
}

TEST_F(BarRecallTest, TypingOffersEarlierSearchesAndEnterSearchesTheHighlightedOne)
{
    for (const char* query : {"Wien", "weather", "cats", "wiki"}) Search(query);
    m_opened.Clear();
    Field()->clear();
    QTest::keyClicks(Field(), "W");
    ASSERT_TRUE(Recall()->IsListOpen());
    EXPECT_EQ(ListRows(), (Strings{"wiki", "weather", "Wien"}));
    QTest::keyClicks(Field(), "i");
    EXPECT_EQ(ListRows(), (Strings{"wiki", "Wien"}));
    // The field keeps the keyboard while the list is open.
    EXPECT_TRUE(Field()->hasFocus());
    EXPECT_EQ(QApplication::focusWidget(), Field());

    // Down, Down, Up: the second row, then the first; past the first, none.
    Key(Qt::Key_Down);
    Key(Qt::Key_Down);
    EXPECT_EQ(List()->Highlighted(), 1);
    Key(Qt::Key_Up);
    EXPECT_EQ(List()->Highlighted(), 0);
    Key(Qt::Key_Up);
    EXPECT_EQ(List()->Highlighted(), -1);
    EXPECT_EQ(Field()->text(), "Wi");  // moving in the list leaves the field alone
    Key(Qt::Key_Up);                   // wraps to the last
    EXPECT_EQ(List()->Highlighted(), 1);
    // Typing starts the rows afresh.
    QTest::keyClicks(Field(), "e");
    EXPECT_EQ(ListRows(), (Strings{"Wien"}));
    EXPECT_EQ(List()->Highlighted(), -1);
    Key(Qt::Key_Down);

    Key(Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_FALSE(Recall()->IsListOpen());
    EXPECT_EQ(Field()->text(), "Wien");
    ASSERT_EQ(m_opened.Addresses().size(), 1u);
    EXPECT_NE(m_opened.Addresses()[0].find("q=Wien"), std::string::npos);
    EXPECT_EQ(HistoryText(), "Wien\nwiki\ncats\nweather\n");
}

TEST_F(BarRecallTest, AClickOnAnEntrySearchesIt)
{
    Search("piano lesson");
    Search("cats");
    m_opened.Clear();
    Field()->clear();
    QTest::keyClicks(Field(), "pi");
    ASSERT_TRUE(QTest::qWaitForWindowExposed(List()));
    QTest::mouseClick(List(), Qt::LeftButton, {}, List()->RowRect(0).center());
    EXPECT_FALSE(Recall()->IsListOpen());
    ASSERT_EQ(m_opened.Addresses().size(), 1u);
    EXPECT_NE(m_opened.Addresses()[0].find("q=piano+lesson"), std::string::npos);
    EXPECT_EQ(HistoryText(), "piano lesson\ncats\n");
}

TEST_F(BarRecallTest, ShiftDeleteRemovesAnEntryForGoodAndEscapeClosesTheList)
{
    for (const char* query : {"cat food", "cats", "car"}) Search(query);
    Field()->clear();
    QTest::keyClicks(Field(), "ca");
    EXPECT_EQ(ListRows(), (Strings{"car", "cats", "cat food"}));
    Key(Qt::Key_Down);
    Key(Qt::Key_Down);
    Key(Qt::Key_Delete, Qt::ShiftModifier);
    EXPECT_EQ(ListRows(), (Strings{"car", "cat food"}));
    EXPECT_EQ(List()->Highlighted(), 1);  // the next entry took the place
    EXPECT_EQ(Field()->text(), "ca");
    EXPECT_EQ(HistoryText(), "car\ncat food\n");

    // Without a highlight, Shift+Delete is the field's own (cut).
    Key(Qt::Key_Up);
    Key(Qt::Key_Up);
    ASSERT_EQ(List()->Highlighted(), -1);
    Field()->selectAll();
    Key(Qt::Key_Delete, Qt::ShiftModifier);
    EXPECT_EQ(Field()->text(), "");
    EXPECT_EQ(HistoryText(), "car\ncat food\n");

    // Escape closes the list and nothing else; a second one is the bar's.
    QTest::keyClicks(Field(), "c");
    ASSERT_TRUE(Recall()->IsListOpen());
    m_bar->Summon();
    QTest::keyClicks(Field(), "c");
    ASSERT_TRUE(Recall()->IsListOpen());
    Key(Qt::Key_Escape);
    EXPECT_FALSE(Recall()->IsListOpen());
    EXPECT_TRUE(m_bar->IsSummoned());
    Key(Qt::Key_Escape);
    EXPECT_FALSE(m_bar->IsSummoned());

    // Gone for good: a new bar reads the file without it.
    m_bar.reset();
    StartBar();
    Recall()->Load();
    EXPECT_EQ(Recall()->History().Size(), 2u);
    EXPECT_EQ(Recall()->History().At(1), "cat food");
}

TEST_F(BarRecallTest, RememberSearchesOffKeepsAndOffersNothing)
{
    Search("kept");
    COptionsMenu* menu = m_bar->OptionsMenu();
    EXPECT_TRUE(menu->IsChecked(kRememberSearchesCommand));
    m_bar->OnCommand(kRememberSearchesCommand);
    EXPECT_FALSE(menu->IsChecked(kRememberSearchesCommand));
    // Written at once.
    CIniFile ini;
    SIniSettings settings;
    ASSERT_TRUE(LoadIniSettings(GetAppDataPath(kIniSuffix), ini, settings));
    EXPECT_FALSE(settings.history);

    Search("private");
    EXPECT_EQ(HistoryText(), "kept\n");
    Field()->clear();
    Key(Qt::Key_Up);
    EXPECT_EQ(Field()->text(), "");
    QTest::keyClicks(Field(), "k");
    EXPECT_FALSE(Recall()->IsListOpen());

    // Still off after a restart; on again, searches are kept again.
    m_bar.reset();
    StartBar();
    EXPECT_FALSE(Recall()->IsEnabled());
    EXPECT_FALSE(m_bar->OptionsMenu()->IsChecked(kRememberSearchesCommand));
    m_bar->OnCommand(kRememberSearchesCommand);
    Search("again");
    EXPECT_EQ(HistoryText(), "again\nkept\n");
}

TEST_F(BarRecallTest, ClearHistoryEmptiesItAtOnce)
{
    Search("one");
    Search("two");
    m_bar->OnCommand(kClearHistoryCommand);
    EXPECT_EQ(HistoryText(), "");
    EXPECT_TRUE(Recall()->History().Empty());
    Field()->clear();
    Key(Qt::Key_Up);
    EXPECT_EQ(Field()->text(), "");
    EXPECT_EQ(CommandLabel(kClearHistoryCommand), "Clear History");
}

TEST_F(BarRecallTest, AutoHideKeepsTheBarDownWhileTheListIsOpen)
{
    Search("cats");
    Field()->clear();
    QTest::keyClicks(Field(), "c");
    ASSERT_TRUE(Recall()->IsListOpen());
    // The pointer on the list, below the bar: the hide poll leaves the bar.
    QCursor::setPos(List()->geometry().center());
    for (int i = 0; i < 3; ++i) m_bar->AutoHide().Poll();
    EXPECT_TRUE(m_bar->AutoHide().IsShown());
    Key(Qt::Key_Escape);
    m_bar->AutoHide().Poll();
    EXPECT_FALSE(m_bar->AutoHide().IsShown());
}

TEST_F(BarRecallTest, TheListTakesTheBarsSchemeAndFont)
{
    for (const char* query : {"tea", "toast"}) Search(query);
    m_bar->OnCommand(kFirstSchemeCommand + 4);  // Sulphur Light
    Field()->clear();
    QTest::keyClicks(Field(), "t");
    ASSERT_TRUE(Recall()->IsListOpen());
    Key(Qt::Key_Down);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(List()));

    const SColorScheme colors = m_bar->Colors();
    EXPECT_EQ(List()->font(), m_bar->QueryFont());
    // Under the field, at least as wide.
    const SBarLayout layout = m_bar->Layout();
    const QRect field(m_bar->mapToGlobal(layout.fieldRect.topLeft()), layout.fieldRect.size());
    EXPECT_EQ(List()->geometry().left(), field.left());
    EXPECT_EQ(List()->geometry().top(), field.bottom() + 1);
    EXPECT_GE(List()->width(), field.width());

    const QImage image = List()->grab().toImage();
    const QRect first = List()->RowRect(0);
    const QRect second = List()->RowRect(1);
    EXPECT_EQ(QColor(image.pixel(0, 0)), colors.line);                                   // outline
    EXPECT_EQ(QColor(image.pixel(first.right() - 1, first.center().y())), colors.line);  // highlighted
    EXPECT_EQ(QColor(image.pixel(second.right() - 1, second.center().y())), colors.back);
    // The second row's text is drawn in the scheme's text colour.
    bool textSeen = false;
    for (int x = second.left(); x < second.left() + 40 && !textSeen; ++x) {
        for (int y = second.top(); y <= second.bottom(); ++y)
            textSeen = textSeen || QColor(image.pixel(x, y)) == colors.text;
    }
    EXPECT_TRUE(textSeen);
}

}  // namespace
