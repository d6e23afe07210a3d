// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "store/TextUtil.h"

#include <gtest/gtest.h>

#include <string>

TEST(TextUtil, FormatNumber)
{
    const struct {
        double value;
        const char* text;
    } cases[] = {
        {79, "79"},
        {0, "0"},
        {-3, "-3"},
        {-79, "-79"},
        {2.5, "2"},
        {3.5, "4"},
        {-2.5, "-2"},
        {0.49, "0"},
        {1.6, "2"},
        {-1.6, "-2"},
        {1234567, "1234567"},
        {2147483647, "2147483647"},
        {1e20, "100000000000000000000"},
    };
    for (const auto& c : cases) EXPECT_EQ(FormatNumber(c.value), c.text) << c.value;
    EXPECT_EQ(FormatNumber(1e300).size(), 301u);
}

TEST(TextUtil, HasText)
{
    EXPECT_FALSE(HasText(""));
    EXPECT_FALSE(HasText("  \r\n"));
    EXPECT_FALSE(HasText(std::string("\0 \0", 3)));
    EXPECT_TRUE(HasText("\t"));
    EXPECT_TRUE(HasText("x"));
    EXPECT_TRUE(HasText(std::string("\0a", 2)));
    EXPECT_TRUE(HasText(" \r\n.\n"));
    EXPECT_TRUE(HasText("\xC3\xA9"));
}

TEST(TextUtil, ToLowerAscii)
{
    EXPECT_EQ(ToLowerAscii("AbC-XYZ@[`{"), "abc-xyz@[`{");
    EXPECT_EQ(ToLowerAscii("\xC3\x84\xC3\x89"), "\xC3\x84\xC3\x89");  // UTF-8 untouched
    EXPECT_EQ(ToLowerAscii(""), "");
}
