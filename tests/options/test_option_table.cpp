// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The option table is what the menus, the command routing and the settings
// loader all read, so its ids, labels and nesting are checked here against
// the values the bar has always had.
#include "options/OptionTable.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace {

TEST(OptionTable, EveryIdDecodesToItsCommandAndValue)
{
    struct Case {
        int id;
        ECommand command;
        int value;
    };
    const Case cases[] = {
        {300, ECommand::ChooseEngine, 0}, {350, ECommand::ChooseEngine, 50}, {351, ECommand::EditCatalog, 0},
        {360, ECommand::HelpTopics, 0},   {363, ECommand::ContactForm, 0},   {364, ECommand::About, 0},
        {370, ECommand::ColorScheme, 0},  {378, ECommand::ColorScheme, 8},   {380, ECommand::RandomScheme, 0},
        {390, ECommand::Transparency, 0}, {399, ECommand::Transparency, 9},  {400, ECommand::Rounding, 0},
        {404, ECommand::Rounding, 4},     {420, ECommand::ButtonView, 0},    {425, ECommand::ButtonView, 5},
        {450, ECommand::AutoHide, 0},     {451, ECommand::Catalog, 0},       {452, ECommand::Font, 0},
        {453, ECommand::Close, 0},        {454, ECommand::Hotkey, 0},        {455, ECommand::RememberSearches, 0},
        {456, ECommand::ClearHistory, 0},
    };
    for (const Case& c : cases) {
        const SCommand decoded = DecodeCommand(c.id);
        EXPECT_EQ(decoded.command, c.command) << c.id;
        EXPECT_EQ(decoded.value, c.value) << c.id;
    }
    // Gaps between the ranges, and ids around them, mean nothing.
    for (int id : {-1, 0, 299, 352, 359, 365, 369, 379, 381, 389, 405, 419, 426, 449, 457, 1000})
        EXPECT_EQ(DecodeCommand(id).command, ECommand::Unknown) << id;
}

TEST(OptionTable, RangesAndDefaults)
{
    struct Case {
        const SOption& option;
        int first, last, defaultValue;
    };
    const Case cases[] = {
        {kEngineOption, 300, 350, 0},   {kColorSchemeOption, 370, 378, 1}, {kTransparencyOption, 390, 399, 0},
        {kRoundingOption, 400, 404, 4}, {kButtonViewOption, 420, 425, 1},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CommandFor(c.option, 0), c.first);
        EXPECT_EQ(LastCommand(c.option), c.last);
        EXPECT_EQ(c.option.defaultValue, c.defaultValue);
        EXPECT_TRUE(IsValidValue(c.option, c.last - c.first));
        EXPECT_FALSE(IsValidValue(c.option, c.last - c.first + 1));
        EXPECT_FALSE(IsValidValue(c.option, -1));
        EXPECT_EQ(ValidOrDefault(c.option, -1), c.defaultValue);
        EXPECT_EQ(ValidOrDefault(c.option, 2147483647), c.defaultValue);
    }
    // Auto hide: one command that switches it, on by default.
    EXPECT_EQ(CommandFor(kAutoHideOption, 0), 450);
    EXPECT_EQ(CommandFor(kAutoHideOption, 1), 450);
    EXPECT_EQ(kAutoHideOption.defaultValue, 1);
}

TEST(OptionTable, LabelsAreTheMenusOwn)
{
    struct Case {
        int command;
        const char* label;
    };
    const Case cases[] = {
        {400, "Not"},
        {404, "20"},
        {370, "Blue Light"},
        {371, "Blue Dark"},
        {376, "Yellow Light"},
        {378, "Gray Dark"},
        {380, "Random"},
        {390, "Not"},
        {391, "10%"},
        {399, "90%"},
        {420, "Not"},
        {422, "Arrow 1"},
        {425, "Go"},
        {450, "Auto Hide"},
        {360, "Help Topics  F1"},
        {364, "About..."},
        {351, "Edit..."},
        {453, "Close"},
        {455, "Remember Searches"},
        {456, "Clear History"},
    };
    for (const Case& c : cases) EXPECT_EQ(CommandLabel(c.command), c.label) << c.command;
    EXPECT_EQ(CommandLabel(379), "");
    EXPECT_EQ(CommandLabel(300), "");  // engine entries are named by the engines
}

// Submenus open and close in pairs, every command appears once, and each
// submenu's choices belong to one option.
TEST(OptionTable, OptionsMenuRowsNestProperly)
{
    int depth = 0;
    std::set<int> seen;
    std::vector<std::string> titles;
    const SOption* submenuOption = nullptr;
    for (const SMenuRow& row : OptionsMenuRows()) {
        switch (row.kind) {
        case EMenuRow::Submenu:
            ASSERT_EQ(depth, 0) << "submenus do not nest";
            ++depth;
            titles.emplace_back(row.label);
            submenuOption = nullptr;
            break;
        case EMenuRow::EndSubmenu: --depth; break;
        case EMenuRow::Choice: {
            const SCommand decoded = DecodeCommand(row.command);
            ASSERT_NE(decoded.option, nullptr) << row.command;
            if (!submenuOption) submenuOption = decoded.option;
            EXPECT_EQ(decoded.option, submenuOption) << row.command;
            EXPECT_EQ(depth, 1);
            EXPECT_TRUE(seen.insert(row.command).second) << row.command;
            break;
        }
        case EMenuRow::Entry:
        case EMenuRow::Switch:
            EXPECT_NE(DecodeCommand(row.command).command, ECommand::Unknown) << row.command;
            EXPECT_TRUE(seen.insert(row.command).second) << row.command;
            break;
        case EMenuRow::Separator: break;
        }
        ASSERT_GE(depth, 0);
    }
    EXPECT_EQ(depth, 0);
    EXPECT_EQ(titles, (std::vector<std::string>{"Rounding", "Color", "Transparent", "Button View", "Help"}));
    // Every value of every option with a menu has its entry.
    for (const SOption* option : {&kColorSchemeOption, &kTransparencyOption, &kRoundingOption, &kButtonViewOption})
        for (int v = 0; v < option->valueCount; ++v) EXPECT_TRUE(seen.count(CommandFor(*option, v))) << v;
}

}  // namespace
