// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engines/Catalog.h"
#include "engines/EngineMenuModel.h"
#include "engines/NewerForms.h"

#include <gtest/gtest.h>

#include <string>

namespace {

SSearch Selected(const std::string& name, bool selected = true)
{
    SSearch s;
    s.name = name;
    s.abbreviation = "a" + name;
    s.selected = selected;
    return s;
}

}  // namespace

TEST(EngineMenuModel, BuiltInCatalogue)
{
    CEngineList list;
    BuildDefaultCatalog(list);
    const auto texts = EngineMenuTexts(list);
    ASSERT_EQ(texts.size(), 13u);
    EXPECT_EQ(texts.front(), "Google [g]");
    EXPECT_EQ(texts[7], "Amazon [a]");
    EXPECT_EQ(texts.back(), "YouTube [yt]");

    EXPECT_EQ(EngineAtMenuPosition(list, 0).name, "Google");
    EXPECT_EQ(EngineAtMenuPosition(list, 9).name, "CNET Download");
    EXPECT_EQ(EngineAtMenuPosition(list, 12).name, "YouTube");
    EXPECT_TRUE(IsNull(EngineAtMenuPosition(list, 13)));
    EXPECT_TRUE(IsNull(EngineAtMenuPosition(list, -1)));
}

TEST(EngineMenuModel, AtMost51Entries)
{
    CEngineList list;
    list.Append(Selected("off", false));
    for (int i = 0; i < 60; ++i) {
        list.Append(Selected("e" + std::to_string(i)));
        list.Append(Selected("skip" + std::to_string(i), false));
    }
    const auto texts = EngineMenuTexts(list);
    ASSERT_EQ(texts.size(), static_cast<std::size_t>(kMaxEngineEntries));
    EXPECT_EQ(texts.front(), "e0 [ae0]");
    EXPECT_EQ(texts.back(), "e50 [ae50]");
    // Command 350 is the 51st entry, and it maps back to the same engine.
    EXPECT_EQ(EngineAtMenuPosition(list, 350 - kFirstEngineCommand).name, "e50");
    // Positions past the menu still count selected engines.
    EXPECT_EQ(EngineAtMenuPosition(list, 59).name, "e59");
    EXPECT_TRUE(IsNull(EngineAtMenuPosition(list, 60)));
}

TEST(EngineMenuModel, NoneSelectedAndOddTexts)
{
    CEngineList list;
    EXPECT_TRUE(EngineMenuTexts(list).empty());
    EXPECT_TRUE(IsNull(EngineAtMenuPosition(list, 0)));

    list.Append(Selected("x", false));
    EXPECT_TRUE(EngineMenuTexts(list).empty());
    EXPECT_TRUE(IsNull(EngineAtMenuPosition(list, 0)));

    SSearch google = Selected("Google");
    google.abbreviation.clear();
    SSearch qa = Selected("Q&A");
    qa.abbreviation = "qa";
    list.Append(google);
    list.Append(qa);
    const auto texts = EngineMenuTexts(list);
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0], "Google []");
    EXPECT_EQ(texts[1], "Q&A [qa]");  // the menu, not the model, deals with '&'
    EXPECT_EQ(EngineAtMenuPosition(list, 1), qa);
}

TEST(EngineMenuModel, MenuPositionOfTheSameEngine)
{
    CEngineList list;
    BuildDefaultCatalog(list);
    SSearch amazon = list.At(37);
    EXPECT_EQ(MenuPositionOf(list, amazon), 7);
    amazon.group = "Elsewhere";
    amazon.extra = 5;
    EXPECT_EQ(MenuPositionOf(list, amazon), 7);  // group, flag and extra do not count

    const struct {
        const char* what;
        void (*change)(SSearch&);
    } differences[] = {
        {"name", [](SSearch& s) { s.name += " "; }},
        {"address", [](SSearch& s) { s.url += "&x"; }},
        {"abbreviation", [](SSearch& s) { s.abbreviation = "A"; }},
    };
    for (const auto& d : differences) {
        SCOPED_TRACE(d.what);
        SSearch other = list.At(37);
        d.change(other);
        EXPECT_EQ(MenuPositionOf(list, other), -1);
    }

    // An engine brought up to date is still the one the bar holds.
    CEngineList updated = list;
    ApplyBuiltInUpdates(updated, FindBuiltInUpdates(updated), false);
    EXPECT_EQ(MenuPositionOf(updated, list.At(37)), 7);
    EXPECT_EQ(MenuPositionOf(list, updated.At(37)), -1);  // but not the other way round

    // Not selected, or past the menu's last entry: no position.
    EXPECT_EQ(MenuPositionOf(list, list.At(2)), -1);
    CEngineList many;
    for (int i = 0; i < 60; ++i) many.Append(Selected(std::to_string(i)));
    EXPECT_EQ(MenuPositionOf(many, many.At(50)), 50);
    EXPECT_EQ(MenuPositionOf(many, many.At(51)), -1);
    // Twins: the first one wins.
    many.Append(many.At(3));
    EXPECT_EQ(MenuPositionOf(many, many.At(60)), 3);
}
