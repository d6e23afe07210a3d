// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "store/QueryText.h"

#include <gtest/gtest.h>

#include <string>

TEST(CleanQueryText, MakesOneLineOfTextFromOutside)
{
    struct SCase {
        std::string in;
        std::string out;
    };
    const SCase cases[] = {
        {"Dublin Bay", "Dublin Bay"},
        {"line one\nline two\r\nthree\rfour", "line one line two three four"},
        {"a\tb\vc\fd", "a b c d"},
        {std::string("a\0b\x1b[31mc\x7f", 11), "ab[31mc"},
        {"\n\n  padded \t\n", "padded"},
        // Next line, the line and paragraph separators; other C1 controls go.
        {"a\xc2\x85"
         "b\xe2\x80\xa8"
         "c\xe2\x80\xa9"
         "d\xc2\x9b"
         "e",
         "a b c de"},
        {"caf\xc3\xa9 \xe6\x97\xa5\xe6\x9c\xac \xf0\x9f\x94\x8d",
         "caf\xc3\xa9 \xe6\x97\xa5\xe6\x9c\xac \xf0\x9f\x94\x8d"},
        // Bytes that are not UTF-8: stray, truncated, overlong, surrogate.
        {"a\xff"
         "b\xc3"
         "c\xc0\xaf"
         "d\xed\xa0\x80"
         "e\xe6\x97",
         "abcde"},
        {"$(touch /tmp/x); echo \"q\" 'r'", "$(touch /tmp/x); echo \"q\" 'r'"},
        {"\x01\x02\n\t ", ""},
    };
    for (const SCase& c : cases) EXPECT_EQ(CleanQueryText(c.in, 1000), c.out) << c.in;
}

TEST(CleanQueryText, KeepsAtMostTheGivenNumberOfCharactersNeverHalfOfOne)
{
    EXPECT_EQ(CleanQueryText(std::string(5000, 'x'), kMaxSelectionCharacters), std::string(1000, 'x'));
    std::string umlauts;
    for (int i = 0; i < 1200; ++i) umlauts += "\xc3\xbc";
    const std::string kept = CleanQueryText(umlauts, kMaxSelectionCharacters);
    EXPECT_EQ(kept.size(), 2000u);
    EXPECT_EQ(kept, umlauts.substr(0, 2000));
    // Dropped characters and leading blanks do not count; a cut never
    // leaves a trailing space.
    EXPECT_EQ(CleanQueryText(std::string(50, '\x01') + "  abc def", 4), "abc");
}
