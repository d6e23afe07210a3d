// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "store/IniFile.h"

#include "common/FileBytes.h"
#include "common/TempConfigHome.h"
#include "store/DataFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace {

std::string ReadText(const std::string& path)
{
    const Bytes bytes = ReadBytes(path);
    return std::string(bytes.begin(), bytes.end());
}

void WriteText(const std::string& path, const std::string& text)
{
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    std::ofstream(path, std::ios::binary) << text;
}

TEST(IniFile, ReadsSectionsEntriesAndCommentsAsEditorsWriteThem)
{
    CIniFile file;
    ASSERT_TRUE(file.Parse("\xEF\xBB\xBF; by hand\r\n# also a comment\n\n"
                           "  hotkey = Meta+F12  \r\n"
                           "[Look]\nname=a=b\nempty=\n[General]\nhotkey=Ctrl+K\n"));
    EXPECT_EQ(file.Value("General", "hotkey"), "Ctrl+K");  // the later entry wins
    EXPECT_EQ(file.Value("Look", "name"), "a=b");
    EXPECT_EQ(file.Value("Look", "empty"), "");
    EXPECT_EQ(file.Value("Look", "hotkey"), std::nullopt);

    // Written back grouped and plain; read again, the same entries.
    EXPECT_EQ(file.Text(), "[General]\nhotkey=Ctrl+K\n\n[Look]\nname=a=b\nempty=\n");
    CIniFile again;
    ASSERT_TRUE(again.Parse(file.Text()));
    EXPECT_EQ(again.Entries(), file.Entries());
}

TEST(IniFile, ADamagedTextIsTakenNotAtAll)
{
    for (const std::string& text :
         {std::string("[General\nhotkey=x\n"), std::string("hotkey=x\njust words\n"), std::string("[]\n"),
          std::string("=x\n"), std::string("hotkey=a\0b\n", 11), std::string(kMaxIniBytes + 1, '#')}) {
        CIniFile file;
        EXPECT_FALSE(file.Parse(text)) << text.substr(0, 30);
        EXPECT_TRUE(file.Entries().empty());
    }
}

TEST(IniFile, AValueCannotAddLines)
{
    CIniFile file;
    file.Set("General", "hotkey", "Ctrl+K\n[Evil]\nkey=1");
    CIniFile again;
    ASSERT_TRUE(again.Parse(file.Text()));
    ASSERT_EQ(again.Entries().size(), 1u);
    EXPECT_EQ(again.Value("Evil", "key"), std::nullopt);
}

TEST(IniSettings, MissingOrDamagedGivesDefaultsAndSavesKeepOtherEntries)
{
    TempConfigHome home;
    const std::string path = GetAppDataPath(kIniSuffix);
    CIniFile file;
    SIniSettings settings;
    settings.hotkey = "leftover";
    EXPECT_FALSE(LoadIniSettings(path, file, settings));
    EXPECT_EQ(settings, SIniSettings{});
    EXPECT_EQ(settings.hotkey, "Ctrl+Alt+Space");

    WriteText(path, "[General]\nhotkey=\n[Later]\nkept=yes\n");
    ASSERT_TRUE(LoadIniSettings(path, file, settings));
    EXPECT_EQ(settings.hotkey, "");  // switched off

    settings.hotkey = "Meta+Space";
    ASSERT_TRUE(SaveIniSettings(path, file, settings));
    EXPECT_EQ(ReadText(path), "[General]\nhotkey=Meta+Space\n\n[Later]\nkept=yes\n");

    WriteText(path, "garbage without equals\n");
    settings.hotkey = "x";
    EXPECT_FALSE(LoadIniSettings(path, file, settings));
    EXPECT_EQ(settings.hotkey, "Ctrl+Alt+Space");
}

}  // namespace
