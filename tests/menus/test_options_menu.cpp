// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "MenuProbe.h"
#include "menus/OptionsMenu.h"
#include "options/OptionTable.h"
#include "store/Settings.h"

#include <QApplication>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <set>

namespace {

using Lines = std::vector<std::string>;

TEST(OptionsMenu, TopLevelStructure)
{
    COptionsMenu menu;
    const Lines expected = {
        "Auto Hide #450 check",
        "---",
        "Rounding >",
        "Color >",
        "Transparent >",
        "Button View >",
        "Font... #452",
        "Hotkey... #454",
        "Remember Searches #455 check",
        "Clear History #456",
        "Catalog... #451",
        "---",
        "Help >",
        "---",
        "Close #453",
    };
    EXPECT_EQ(Describe(&menu), expected);
}

TEST(OptionsMenu, SubmenuStructure)
{
    COptionsMenu menu;
    struct Row {
        const char* title;
        QMenu* (COptionsMenu::*submenu)() const;
        Lines entries;
    };
    const Row rows[] = {
        {"Rounding",
         &COptionsMenu::RoundingMenu,
         {"Not #400 radio", "---", "5 #401 radio", "10 #402 radio", "15 #403 radio", "20 #404 radio"}},
        {"Color",
         &COptionsMenu::ColorMenu,
         {"Random #380", "---", "Blue Light #370 radio", "Green Light #372 radio", "Sulphur Light #374 radio",
          "Yellow Light #376 radio", "Gray Light #377 radio", "---", "Blue Dark #371 radio", "Green Dark #373 radio",
          "Sulphur Dark #375 radio", "Gray Dark #378 radio"}},
        {"Transparent",
         &COptionsMenu::TransparentMenu,
         {"Not #390 radio", "---", "10% #391 radio", "20% #392 radio", "30% #393 radio", "40% #394 radio",
          "50% #395 radio", "60% #396 radio", "70% #397 radio", "80% #398 radio", "90% #399 radio"}},
        {"Button View",
         &COptionsMenu::ButtonViewMenu,
         {"Not #420 radio", "---", "Zoom #421 radio", "Arrow 1 #422 radio", "Arrow 2 #423 radio", "Arrow 3 #424 radio",
          "Go #425 radio"}},
        {"Help",
         &COptionsMenu::HelpMenu,
         {"Help Topics  F1 #360", "Check Update #361", "Home Page #362", "Contact Form #363", "---", "About... #364"}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.title);
        QMenu* sub = (menu.*row.submenu)();
        ASSERT_NE(sub, nullptr);
        EXPECT_EQ(sub->title().toStdString(), row.title);
        EXPECT_EQ(Describe(sub), row.entries);
        // The submenu hangs in the options menu itself.
        const auto top = menu.actions();
        EXPECT_TRUE(std::any_of(top.begin(), top.end(), [&](QAction* a) { return a->menu() == sub; }));
    }
    // Each radio range is its own group: a mark in one never clears another.
    std::set<const QActionGroup*> groups;
    for (QMenu* sub : {menu.RoundingMenu(), menu.ColorMenu(), menu.TransparentMenu(), menu.ButtonViewMenu()}) {
        const QActionGroup* group = nullptr;
        for (QAction* a : sub->actions()) {
            if (!a->actionGroup()) continue;
            if (!group) group = a->actionGroup();
            EXPECT_EQ(a->actionGroup(), group);
        }
        groups.insert(group);
    }
    EXPECT_EQ(groups.size(), 4u);
}

// The settings of a first start: rounding 4, scheme 1, transparency 0,
// button view 1, auto hide on.
SSettings Defaults()
{
    SSettings s;
    s.rounding = 4;
    s.colorScheme = 1;
    s.transparency = 0;
    s.buttonView = 1;
    s.autoHide = 1;
    return s;
}

TEST(OptionsMenu, AutoHideCheckFollowsTheSettings)
{
    for (bool autoHide : {false, true}) {
        COptionsMenu menu;
        EXPECT_TRUE(Marks(&menu).empty());  // nothing marked before it is told
        SSettings s = Defaults();
        s.autoHide = autoHide ? 1 : 0;
        menu.ShowSettings(s);
        EXPECT_EQ(menu.IsChecked(kAutoHideCommand), autoHide);
    }
}

TEST(OptionsMenu, MarksOfTheDefaultSettings)
{
    COptionsMenu menu;
    menu.ShowSettings(Defaults());
    EXPECT_EQ(Marks(&menu), (std::vector<int>{371, 390, 404, 421, kAutoHideCommand}));
    EXPECT_EQ(menu.FindCommand(404)->text(), "20");
    EXPECT_EQ(menu.FindCommand(371)->text(), "Blue Dark");
    EXPECT_EQ(menu.FindCommand(390)->text(), "Not");
    EXPECT_EQ(menu.FindCommand(421)->text(), "Zoom");
}

// Each radio range with the settings field it shows; `shown` is what the
// menu was last given.
struct SRange {
    int first;
    int last;
    std::int32_t SSettings::*field;
};

const SRange kRanges[] = {
    {400, 404, &SSettings::rounding},
    {370, 378, &SSettings::colorScheme},
    {390, 399, &SSettings::transparency},
    {420, 425, &SSettings::buttonView},
};

void ShowValue(COptionsMenu& menu, SSettings& shown, const SRange& range, int value)
{
    shown.*range.field = value;
    menu.ShowSettings(shown);
}

std::vector<int> MarksIn(const COptionsMenu& menu, int first, int last)
{
    std::vector<int> in;
    for (int id : Marks(&menu)) {
        if (id >= first && id <= last) in.push_back(id);
    }
    return in;
}

TEST(OptionsMenu, RadioMarkMovesAndStaysExclusive)
{
    COptionsMenu menu;
    SSettings shown = Defaults();
    menu.ShowSettings(shown);
    const std::vector<int> before = Marks(&menu);

    for (const SRange& range : kRanges) {
        SCOPED_TRACE(range.first);
        const std::vector<int> original = MarksIn(menu, range.first, range.last);
        // Walk the range both ways, through the generic call and the settings.
        for (int id = range.first; id <= range.last; ++id) {
            menu.CheckMenuRadioItem(range.first, range.last, id);
            EXPECT_EQ(MarksIn(menu, range.first, range.last), std::vector<int>{id});
        }
        for (int i = range.last - range.first; i >= 0; --i) {
            ShowValue(menu, shown, range, i);
            EXPECT_EQ(MarksIn(menu, range.first, range.last), std::vector<int>{range.first + i});
        }
        ShowValue(menu, shown, range, original.front() - range.first);
    }
    // Every other range and "Auto Hide" kept its mark throughout.
    EXPECT_EQ(Marks(&menu), before);
}

TEST(OptionsMenu, MissingIdLeavesRangeUnmarked)
{
    COptionsMenu menu;
    SSettings shown = Defaults();
    ShowValue(menu, shown, kRanges[1], 3);
    menu.CheckMenuRadioItem(370, 378, 379);  // 379 has no entry
    EXPECT_TRUE(MarksIn(menu, 370, 378).empty());

    // Levels out of range, e.g. from a damaged settings file, leave no mark
    // and disturb no neighbouring range.
    for (const SRange& range : kRanges) {
        for (int bad : {-1, range.last - range.first + 1, 1000, -2147483647 - 1, 2147483647}) {
            ShowValue(menu, shown, range, range.first == 370 ? 0 : 1);
            ShowValue(menu, shown, range, bad);
            EXPECT_TRUE(MarksIn(menu, range.first, range.last).empty()) << range.first << " " << bad;
        }
    }
    EXPECT_EQ(Marks(&menu), std::vector<int>{kAutoHideCommand});
    menu.CheckMenuItem(9999, false);  // no such entry: nothing happens
    EXPECT_EQ(Marks(&menu), std::vector<int>{kAutoHideCommand});
}

TEST(OptionsMenu, RandomIsNeverMarked)
{
    COptionsMenu menu;
    SSettings shown = Defaults();
    ShowValue(menu, shown, kRanges[1], 2);
    QAction* random = menu.FindCommand(kRandomCommand);
    ASSERT_NE(random, nullptr);
    EXPECT_FALSE(random->isCheckable());
    EXPECT_EQ(random->actionGroup(), nullptr);
    // Even a range that takes in 380 cannot mark it.
    menu.CheckMenuRadioItem(370, 380, kRandomCommand);
    menu.CheckMenuItem(kRandomCommand, true);
    random->trigger();
    EXPECT_FALSE(random->isChecked());
}

TEST(OptionsMenu, EveryEntryEmitsItsCommandOnce)
{
    COptionsMenu menu;
    std::vector<int> seen;
    ASSERT_NO_FATAL_FAILURE(TriggerEveryEntry(menu, seen));
    std::sort(seen.begin(), seen.end());
    std::vector<int> all = {360, 361, 362, 363, 364};
    for (int id = 370; id <= 378; ++id) all.push_back(id);
    all.push_back(380);
    for (int id = 390; id <= 404; ++id) all.push_back(id);
    for (int id = 420; id <= 425; ++id) all.push_back(id);
    for (int id = 450; id <= 456; ++id) all.push_back(id);
    EXPECT_EQ(seen, all);
}

TEST(OptionsMenu, ClickLeavesMarksToTheHandler)
{
    // Qt would flip a checkable entry on its own; the marks must change only
    // through the command handler's calls.
    COptionsMenu menu;
    SSettings shown = Defaults();
    shown.buttonView = 5;
    menu.ShowSettings(shown);
    const std::vector<int> before = Marks(&menu);
    for (int id : {395, 390, 425, 421, kAutoHideCommand}) {
        QSignalSpy spy(&menu, &CCommandMenu::command);
        menu.FindCommand(id)->trigger();
        EXPECT_EQ(spy.count(), 1);
        EXPECT_EQ(Marks(&menu), before) << id;
    }
    // A handler that reacts to the signal sees its marks stick.
    QObject::connect(&menu, &CCommandMenu::command, &menu, [&](int id) {
        if (id >= 390 && id <= 399) menu.CheckMenuRadioItem(390, 399, id);
        if (id == kAutoHideCommand) menu.CheckMenuItem(id, !menu.IsChecked(id));
    });
    menu.FindCommand(397)->trigger();
    menu.FindCommand(kAutoHideCommand)->trigger();
    EXPECT_EQ(Marks(&menu), (std::vector<int>{371, 397, 404, 425}));
}

TEST(OptionsMenu, KeyboardChoiceInSubmenuReachesTopLevelOnce)
{
    COptionsMenu menu;
    QSignalSpy spy(&menu, &CCommandMenu::command);
    menu.popup(QPoint(100, 100));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&menu));
    QTest::keyClick(&menu, Qt::Key_Down);   // "Auto Hide"
    QTest::keyClick(&menu, Qt::Key_Down);   // "Rounding"
    QTest::keyClick(&menu, Qt::Key_Right);  // opens it, "Not" active
    QMenu* rounding = menu.RoundingMenu();
    ASSERT_TRUE(QTest::qWaitFor([&] { return rounding->isVisible(); }, 2000));
    QTest::keyClick(rounding, Qt::Key_Down);  // "5"
    QTest::keyClick(rounding, Qt::Key_Return);
    ASSERT_EQ(spy.count(), 1);
    EXPECT_EQ(spy.at(0).at(0).toInt(), 401);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !menu.isVisible(); }, 2000));
}

}  // namespace
