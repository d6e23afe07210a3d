// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "MenuProbe.h"
#include "common/BuiltInEngines.h"
#include "menus/EngineMenu.h"
#include "options/OptionTable.h"
#include "store/EngineList.h"

#include <QKeySequence>
#include <QPointer>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace {

using Lines = std::vector<std::string>;

SSearch Engine(const std::string& name, const std::string& abbreviation, bool selected = true)
{
    SSearch s;
    s.name = name;
    s.abbreviation = abbreviation;
    s.url = "http://example.org/?q=[keyword]";
    s.selected = selected;
    return s;
}

TEST(EngineMenu, Contents)
{
    CEngineList sixty;
    for (int i = 0; i < 60; ++i) {
        sixty.Append(Engine("E" + std::to_string(i), "e" + std::to_string(i)));
        sixty.Append(Engine("Off" + std::to_string(i), "o", false));  // never listed
    }
    Lines sixtyLines;
    for (int i = 0; i <= 50; ++i) {
        sixtyLines.push_back("E" + std::to_string(i) + " [e" + std::to_string(i) + "] #" + std::to_string(300 + i) +
                             " radio");
    }
    sixtyLines.insert(sixtyLines.end(), {"---", "Edit... #351"});

    CEngineList odd;
    odd.Append(Engine("Q&A", "qa"));
    odd.Append(Engine("NoAbbrev", ""));
    odd.Append(Engine("Z\xC3\xBCrich", "z"));

    struct Row {
        const char* what;
        CEngineList engines;
        Lines expected;
    };
    const Row rows[] = {
        {"built-in catalogue",
         BuiltInEngines(),
         {"Google [g] #300 radio", "Google Image [gi] #301 radio", "Google Shopping [gsh] #302 radio",
          "Google Video [gv] #303 radio", "Google Group [gg] #304 radio", "Yahoo! [y] #305 radio", "MSN [m] #306 radio",
          "Amazon [a] #307 radio", "eBay [e] #308 radio", "CNET Download [d] #309 radio", "TuCows [t] #310 radio",
          "Wikipedia [w] #311 radio", "YouTube [yt] #312 radio", "---", "Edit... #351"}},
        {"sixty selected", sixty, sixtyLines},
        {"none selected", CEngineList{}, {"---", "Edit... #351"}},
        {"odd names",
         odd,
         {"Q&A [qa] #300 radio", "NoAbbrev [] #301 radio", "Z\xC3\xBCrich [z] #302 radio", "---", "Edit... #351"}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        CEngineMenu menu;
        menu.Rebuild(row.engines);
        EXPECT_EQ(Describe(&menu), row.expected);
        EXPECT_TRUE(Marks(&menu).empty());
    }
}

TEST(EngineMenu, RadioMarkOverEngineRange)
{
    CEngineList sixty;
    for (int i = 0; i < 60; ++i) sixty.Append(Engine("E" + std::to_string(i), "e"));
    CEngineMenu menu;
    menu.Rebuild(sixty);

    struct Step {
        int id;
        std::vector<int> marks;
    };
    const Step steps[] = {
        {300, {300}}, {350, {350}},  // the 51st entry
        {325, {325}}, {351, {}},     // "Edit..." is outside the range: nothing marked
        {340, {340}}, {299, {}},    {312, {312}},
    };
    for (const Step& step : steps) {
        menu.CheckEngine(step.id);
        EXPECT_EQ(Marks(&menu), step.marks) << step.id;
    }

    // Fewer entries than the stored position: no entry keeps a mark.
    menu.Rebuild(BuiltInEngines());
    menu.CheckEngine(305);
    menu.CheckEngine(320);
    EXPECT_TRUE(Marks(&menu).empty());
}

TEST(EngineMenu, RebuildReplacesEntriesAndClearsMark)
{
    CEngineMenu menu;
    menu.Rebuild(BuiltInEngines());
    menu.CheckEngine(303);
    ASSERT_EQ(Marks(&menu), std::vector<int>{303});
    QPointer<QAction> old = menu.FindCommand(303);

    menu.Rebuild(BuiltInEngines());
    EXPECT_TRUE(Marks(&menu).empty());
    EXPECT_EQ(menu.actions().size(), 15);
    EXPECT_TRUE(old.isNull());  // the old entries are gone, not hidden

    // The new entries take marks as before.
    menu.CheckEngine(303);
    EXPECT_EQ(Marks(&menu), std::vector<int>{303});
}

TEST(EngineMenu, AmpersandIsAMnemonic)
{
    CEngineList engines;
    engines.Append(Engine("Google", "g"));
    engines.Append(Engine("Q&A", "qa"));
    CEngineMenu menu;
    menu.Rebuild(engines);

    QAction* qa = menu.FindCommand(301);
    ASSERT_NE(qa, nullptr);
    EXPECT_EQ(qa->text(), "Q&A [qa]");     // the name is kept as is
    EXPECT_EQ(qa->iconText(), "QA [qa]");  // shown without the "&"
    EXPECT_EQ(QKeySequence::mnemonic(qa->text()), QKeySequence(Qt::ALT | Qt::Key_A));

    // Typing the mnemonic in the open menu picks the entry.
    QSignalSpy spy(&menu, &CCommandMenu::command);
    menu.popup(QPoint(10, 10));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&menu));
    QTest::keyClick(&menu, Qt::Key_A);
    ASSERT_EQ(spy.count(), 1);
    EXPECT_EQ(spy.at(0).at(0).toInt(), 301);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !menu.isVisible(); }, 2000));
}

TEST(EngineMenu, EveryEntryEmitsItsCommandOnce)
{
    CEngineMenu menu;
    menu.Rebuild(BuiltInEngines());
    menu.Rebuild(BuiltInEngines());  // old entries must not linger as extra senders
    menu.CheckEngine(300);
    std::vector<int> seen;
    ASSERT_NO_FATAL_FAILURE(TriggerEveryEntry(menu, seen));
    std::vector<int> expected;
    for (int id = 300; id <= 312; ++id) expected.push_back(id);
    expected.push_back(kEditCatalogCommand);
    EXPECT_EQ(seen, expected);
    // The click itself moved no mark.
    EXPECT_EQ(Marks(&menu), std::vector<int>{300});
}

}  // namespace
