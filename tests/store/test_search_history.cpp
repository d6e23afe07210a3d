// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The search history: its order, its cap, completion in any letter case, and
// a reader that takes the sound part of whatever file it finds.
#include "store/SearchHistory.h"

#include "common/TempConfigHome.h"
#include "store/Utf8Text.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;
using Strings = std::vector<std::string>;

Strings Entries(const CSearchHistory& history)
{
    Strings out;
    for (std::size_t i = 0; i < history.Size(); ++i) out.push_back(history.At(i));
    return out;
}

CSearchHistory Of(const Strings& newestFirst)
{
    CSearchHistory history;
    for (auto it = newestFirst.rbegin(); it != newestFirst.rend(); ++it) history.Add(*it);
    return history;
}

void WriteBytes(const std::string& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
}

std::string ReadBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

unsigned Mode(const std::string& path)
{
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 ? st.st_mode & 07777 : 0;
}

TEST(SearchHistory, NewestFirstAndTheSameTextMovesToTheTop)
{
    CSearchHistory history;
    for (const char* query : {"cats", "  w Dublin Bay ", "dogs"}) EXPECT_TRUE(history.Add(query));
    EXPECT_EQ(Entries(history), (Strings{"dogs", "w Dublin Bay", "cats"}));

    // Again, however spaced: one entry, now on top.
    EXPECT_TRUE(history.Add(" cats"));
    EXPECT_EQ(Entries(history), (Strings{"cats", "dogs", "w Dublin Bay"}));
    // Another letter case is another search.
    EXPECT_TRUE(history.Add("Cats"));
    EXPECT_EQ(history.Size(), 4u);

    // Nothing to keep: empty, spaces, not UTF-8, too long.
    for (const std::string& bad :
         {std::string(), std::string("   "), std::string("caf\xE9"), std::string(kMaxHistoryEntryBytes + 1, 'x')})
        EXPECT_FALSE(history.Add(bad));
    EXPECT_EQ(history.Size(), 4u);
    // A line break cannot be stored in a line; tabs can.
    EXPECT_TRUE(history.Add("one\ntwo\r\tthree"));
    EXPECT_EQ(history.At(0), "one two \tthree");

    EXPECT_TRUE(history.Remove("dogs"));
    EXPECT_FALSE(history.Remove("dogs"));
    EXPECT_FALSE(history.Remove("DOGS"));
    EXPECT_EQ(Entries(history), (Strings{"one two \tthree", "Cats", "cats", "w Dublin Bay"}));
    history.Clear();
    EXPECT_TRUE(history.Empty());
}

TEST(SearchHistory, KeepsTheNewestThousand)
{
    CSearchHistory history;
    for (int i = 0; i < 1005; ++i) history.Add("q" + std::to_string(i));
    ASSERT_EQ(history.Size(), kMaxHistoryEntries);
    EXPECT_EQ(history.At(0), "q1004");
    EXPECT_EQ(history.At(999), "q5");
    // A repeat at the cap moves up and loses nothing.
    history.Add("q5");
    EXPECT_EQ(history.Size(), kMaxHistoryEntries);
    EXPECT_EQ(history.At(0), "q5");
    EXPECT_EQ(history.At(999), "q6");
}

TEST(SearchHistory, CompletesInAnyLetterCaseNewestFirst)
{
    const CSearchHistory history = Of({"Wien", "w Dublin Bay", "wiki", "Ärger", "ärmel", "МОСКВА", "weather", "wasp",
                                       "wolf", "worm", "wren", "whale", "wine", "cats"});
    EXPECT_EQ(history.Complete("wi"), (Strings{"Wien", "wiki", "wine"}));
    EXPECT_EQ(history.Complete("WI"), (Strings{"Wien", "wiki", "wine"}));
    EXPECT_EQ(history.Complete("  w D"), (Strings{"w Dublin Bay"}));  // leading spaces do not count
    EXPECT_EQ(history.Complete("w "), (Strings{"w Dublin Bay"}));
    EXPECT_EQ(history.Complete("är"), (Strings{"Ärger", "ärmel"}));
    EXPECT_EQ(history.Complete("моск"), (Strings{"МОСКВА"}));
    // At most eight, the newest.
    EXPECT_EQ(history.Complete("w"),
              (Strings{"Wien", "w Dublin Bay", "wiki", "weather", "wasp", "wolf", "worm", "wren"}));
    EXPECT_TRUE(history.Complete("").empty());
    EXPECT_TRUE(history.Complete("   ").empty());
    EXPECT_TRUE(history.Complete("zebra").empty());
    EXPECT_EQ(history.Complete("cats"), (Strings{"cats"}));
}

TEST(Utf8Text, FoldsCaseOfCommonScriptsAndChecksUtf8)
{
    EXPECT_EQ(FoldCase("ABC xyz 09"), "abc xyz 09");
    EXPECT_EQ(FoldCase("ÀÉÎÕÜ ÆØÞ ×"), "àéîõü æøþ ×");
    EXPECT_EQ(FoldCase("ŁĄĆĘŃŚŹŻ ŸĲ"), "łąćęńśźż ÿĳ");
    EXPECT_EQ(FoldCase("ΑΒΓ ΆΈΏ ΣΑΣ ς"), "αβγ άέώ σασ σ");
    EXPECT_EQ(FoldCase("ЁЖЯ ІЇ"), "ёжя ії");
    EXPECT_EQ(FoldCase("ẞ Ạ"), "ß ạ");
    // Bytes that are not UTF-8 pass through.
    EXPECT_EQ(FoldCase("A\xFF"
                       "B\xC3"),
              "a\xFF"
              "b\xC3");

    EXPECT_TRUE(IsValidUtf8(""));
    EXPECT_TRUE(IsValidUtf8("plain, é, €, 𝄞"));
    for (const char* bad : {"\x80", "\xC3", "\xC0\xAF", "\xE0\x80\xAF", "\xED\xA0\x80", "\xF4\x90\x80\x80", "\xFF"})
        EXPECT_FALSE(IsValidUtf8(bad)) << bad;
}

TEST(SearchHistoryReader, TakesTheSoundLinesOfAnyText)
{
    CSearchHistory history;
    const std::string longLine(kMaxHistoryEntryBytes + 1, 'y');
    const std::string text = std::string("\xEF\xBB\xBF") + "newest\n" +  // byte-order mark
                             "bad \xC3\x28 bytes\n" +                    // not UTF-8
                             "windows\r\n" +                             // edited elsewhere
                             longLine + "\n" +                           //
                             "  padded  \n" +                            //
                             "\n   \n" +                                 // blank
                             std::string("nul\0inside\n", 11) +          // a NUL byte
                             "newest\n" +                                // a repeat
                             "bell\x07\n" +                              //
                             "oldest\n" +                                //
                             "torn";                                     // no line break
    EXPECT_EQ(history.Parse(std::string_view(text.data(), text.size())), 8u);
    EXPECT_EQ(Entries(history), (Strings{"newest", "windows", "padded", "oldest"}));
    EXPECT_EQ(history.Text(), "newest\nwindows\npadded\noldest\n");

    // The text written reads back to the same entries.
    CSearchHistory again;
    EXPECT_EQ(again.Parse(history.Text()), 0u);
    EXPECT_EQ(Entries(again), Entries(history));

    // A file longer than the cap: its first thousand entries.
    std::string many;
    for (int i = 0; i < 1200; ++i) many += "e" + std::to_string(i) + "\n";
    history.Parse(many);
    ASSERT_EQ(history.Size(), kMaxHistoryEntries);
    EXPECT_EQ(history.At(999), "e999");
    // Nothing sound at all.
    EXPECT_EQ(history.Parse(std::string(5000, 'x')), 1u);
    EXPECT_TRUE(history.Empty());
}

class HistoryFileTest : public ::testing::Test {
protected:
    TempConfigHome m_home;
    const std::string m_folder = (m_home.StatePath() / "Lumora").string();
    const std::string m_path = HistoryPath();
};

TEST_F(HistoryFileTest, LivesInTheStateFolderPrivately)
{
    EXPECT_EQ(m_path, m_folder + "/history");
    CSearchHistory history;
    CHistoryFile file(m_path);
    // No file yet: an empty history.
    history.Add("leftover");
    EXPECT_TRUE(file.Load(history));
    EXPECT_TRUE(history.Empty());

    history = Of({"b", "a"});
    ASSERT_TRUE(file.Save(history));
    EXPECT_EQ(ReadBytes(m_path), "b\na\n");
    EXPECT_EQ(Mode(m_folder), 0700u);
    EXPECT_EQ(Mode(m_path), 0600u);

    CSearchHistory loaded;
    EXPECT_TRUE(CHistoryFile(m_path).Load(loaded));
    EXPECT_EQ(Entries(loaded), (Strings{"b", "a"}));

    // Opened up by someone else: the next save makes both private again.
    ::chmod(m_folder.c_str(), 0755);
    ::chmod(m_path.c_str(), 0644);
    ASSERT_TRUE(file.Save(history));
    EXPECT_EQ(Mode(m_folder), 0700u);
    EXPECT_EQ(Mode(m_path), 0600u);
}

TEST_F(HistoryFileTest, ReloadsOnlyWhatAnotherWriterChanged)
{
    CSearchHistory mine;
    CSearchHistory theirs;
    CHistoryFile myFile(m_path);
    CHistoryFile theirFile(m_path);
    mine.Add("mine");
    ASSERT_TRUE(myFile.Save(mine));
    EXPECT_FALSE(myFile.Reload(mine));  // our own write

    ASSERT_TRUE(theirFile.Load(theirs));
    theirs.Add("theirs");
    ASSERT_TRUE(theirFile.Save(theirs));
    EXPECT_TRUE(myFile.Reload(mine));
    EXPECT_EQ(Entries(mine), (Strings{"theirs", "mine"}));

    // Deleted from outside: emptied.
    fs::remove(m_path);
    EXPECT_TRUE(myFile.Reload(mine));
    EXPECT_TRUE(mine.Empty());
    EXPECT_FALSE(myFile.Reload(mine));
}

TEST_F(HistoryFileTest, DamagedOrStrangeFilesNeverHurt)
{
    fs::create_directories(m_folder);
    CSearchHistory history;

    // A folder in the file's place: not read, not replaced.
    fs::create_directory(m_path);
    history.Add("kept");
    CHistoryFile file(m_path);
    EXPECT_FALSE(file.Load(history));
    EXPECT_EQ(Entries(history), Strings{"kept"});
    EXPECT_FALSE(file.Save(history));
    EXPECT_TRUE(fs::is_directory(m_path));
    fs::remove(m_path);

    // A pipe: opening it must not wait for a writer.
    ASSERT_EQ(::mkfifo(m_path.c_str(), 0600), 0);
    EXPECT_FALSE(CHistoryFile(m_path).Load(history));
    fs::remove(m_path);

    // 100 MB (sparse): the newest entries at its start are read, fast.
    WriteBytes(m_path, "new\nold\n");
    ASSERT_EQ(::truncate(m_path.c_str(), 100 * 1000 * 1000), 0);
    const auto start = std::chrono::steady_clock::now();
    EXPECT_TRUE(CHistoryFile(m_path).Load(history));
    const auto took = std::chrono::steady_clock::now() - start;
    EXPECT_EQ(Entries(history), (Strings{"new", "old"}));
    EXPECT_LT(took, std::chrono::milliseconds(500));

    // Unreadable: left alone.
    WriteBytes(m_path, "secret\n");
    ::chmod(m_path.c_str(), 0);
    if (::access(m_path.c_str(), R_OK) != 0) {  // root reads anything
        EXPECT_FALSE(CHistoryFile(m_path).Load(history));
        EXPECT_EQ(Entries(history), (Strings{"new", "old"}));
    }
}

}  // namespace
