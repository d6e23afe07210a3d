// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "store/EngineList.h"

#include "common/BuiltInEngines.h"

#include <gtest/gtest.h>

#include <stdexcept>

TEST(EngineList, CopyOntoItselfChangesNothing)
{
    CEngineList list = BuiltInEngines();
    list.CopyFrom(list);
    EXPECT_EQ(list, BuiltInEngines());
}

TEST(EngineList, CopyIsDeep)
{
    const CEngineList source = BuiltInEngines();
    CEngineList copy;
    copy.CopyFrom(source);
    ASSERT_EQ(copy.Count(), 79);
    EXPECT_EQ(copy, source);

    copy.At(0).name += "!";
    copy.At(0).url.clear();
    EXPECT_EQ(source.At(0).name, "Google");
    EXPECT_FALSE(source.At(0).url.empty());

    // Copying a shorter list drops the extra records.
    CEngineList shorter;
    shorter.Append(source.At(5));
    copy.CopyFrom(shorter);
    EXPECT_EQ(copy, shorter);
}

TEST(EngineList, SetCount)
{
    CEngineList list;
    list.SetCount(0);
    EXPECT_EQ(list.Count(), 0);

    list.SetCount(3);
    ASSERT_EQ(list.Count(), 3);
    for (const SSearch& s : list) EXPECT_EQ(s, SSearch{});  // empty, not selected, extra 0

    list = BuiltInEngines();
    list.SetCount(2);
    ASSERT_EQ(list.Count(), 2);
    EXPECT_EQ(list.At(1).name, "Google Image");

    list = BuiltInEngines();
    list.RemoveAll();
    EXPECT_EQ(list.Count(), 0);
}

TEST(EngineList, AppendCopiesItsOwnRecord)
{
    CEngineList list;
    SSearch s;
    s.name = "one";
    list.Append(s);
    for (int i = 0; i < 20; ++i) list.Append(list.At(0));  // survives reallocation
    EXPECT_EQ(list.Count(), 21);
    EXPECT_EQ(list.At(20).name, "one");
}

TEST(EngineList, BadArgumentsThrowAndChangeNothing)
{
    CEngineList list = BuiltInEngines();
    const CEngineList& constList = list;
    EXPECT_THROW(list.SetCount(-1), std::invalid_argument);
    EXPECT_THROW(list.At(-1), std::invalid_argument);
    EXPECT_THROW(list.At(79), std::invalid_argument);
    EXPECT_THROW(constList.At(79), std::invalid_argument);
    EXPECT_NO_THROW(list.At(78));
    EXPECT_EQ(list, BuiltInEngines());

    EXPECT_THROW(list.Swap(0, 79), std::invalid_argument);
    EXPECT_THROW(list.Swap(-1, 0), std::invalid_argument);
    EXPECT_THROW(list.RemoveMarked(std::vector<bool>(78, true)), std::invalid_argument);
    EXPECT_EQ(list, BuiltInEngines());

    CEngineList empty;
    EXPECT_THROW(empty.At(0), std::invalid_argument);
    EXPECT_THROW(empty.SetCount(-5), std::invalid_argument);
    EXPECT_EQ(empty.Count(), 0);
}

TEST(EngineList, RemoveMarkedKeepsTheRestInOrder)
{
    const CEngineList all = BuiltInEngines();
    struct {
        std::vector<int> removed;
    } cases[] = {{{}}, {{0}}, {{78}}, {{1, 2, 3, 40, 77}}};
    for (const auto& c : cases) {
        CEngineList list = all;
        std::vector<bool> marks(79, false);
        for (const int i : c.removed) marks[static_cast<std::size_t>(i)] = true;
        EXPECT_EQ(list.RemoveMarked(marks), static_cast<std::int32_t>(c.removed.size()));
        CEngineList expected;
        for (int i = 0; i < 79; ++i) {
            if (!marks[static_cast<std::size_t>(i)]) expected.Append(all.At(i));
        }
        EXPECT_EQ(list, expected);
    }

    CEngineList list = all;
    EXPECT_EQ(list.RemoveMarked(std::vector<bool>(79, true)), 79);
    EXPECT_EQ(list.Count(), 0);
    EXPECT_EQ(list.RemoveMarked({}), 0);
}

TEST(EngineList, SwapExchangesWholeRecords)
{
    CEngineList list = BuiltInEngines();
    list.Swap(0, 78);
    EXPECT_EQ(list.At(0), BuiltInEngines().At(78));
    EXPECT_EQ(list.At(78), BuiltInEngines().At(0));
    list.Swap(5, 5);
    EXPECT_EQ(list.At(5), BuiltInEngines().At(5));
}
