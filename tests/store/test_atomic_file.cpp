// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "store/AtomicFile.h"

#include "common/FileBytes.h"
#include "common/TempConfigHome.h"

#include <gtest/gtest.h>

#include <csignal>

#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

bool Write(const fs::path& path, const Bytes& b)
{
    return WriteFileAtomically(path.string(), b.data(), b.size());
}

// Caps the size of any file this process writes, so that a write fails even
// for root. The signal the kernel sends for it is ignored meanwhile.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &m_old);
        m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit capped = m_old;
        capped.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &capped);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, m_oldHandler);
    }

private:
    rlimit m_old{};
    void (*m_oldHandler)(int);
};

const Bytes kOld = {'o', 'l', 'd', 0, 0xFF};

}  // namespace

TEST(AtomicFile, ReplacesContentAndLeavesNothingElse)
{
    TempConfigHome dir;
    const fs::path file = dir.Path() / "f.lmr";
    ASSERT_TRUE(Write(file, kOld));
    EXPECT_EQ(ReadBytes(file), kOld);
    EXPECT_EQ(fs::status(file).permissions(), fs::perms::owner_read | fs::perms::owner_write);

    const Bytes big(3 * 4096 + 17, 0x42);  // several write pieces
    ASSERT_TRUE(Write(file, big));
    EXPECT_EQ(ReadBytes(file), big);
    ASSERT_TRUE(Write(file, {}));
    EXPECT_EQ(fs::file_size(file), 0u);
    EXPECT_EQ(FolderEntries(dir.Path()), std::vector<std::string>{"f.lmr"});
}

TEST(AtomicFile, KeepsPermissionsAndFollowsLinks)
{
    TempConfigHome dir;
    const fs::path file = dir.Path() / "real.lmr";
    const fs::path link = dir.Path() / "link.lmr";
    WriteBytes(file, kOld);
    fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    fs::create_symlink(file, link);

    ASSERT_TRUE(Write(link, {1, 2, 3}));
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(ReadBytes(file), (Bytes{1, 2, 3}));
    EXPECT_EQ(fs::status(file).permissions(), fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_EQ(FolderEntries(dir.Path()), (std::vector<std::string>{"link.lmr", "real.lmr"}));
}

TEST(AtomicFile, FailedWriteKeepsOldFile)
{
    TempConfigHome dir;
    const fs::path file = dir.Path() / "f.lmr";
    WriteBytes(file, kOld);
    {
        FileSizeLimit limit(1000);
        EXPECT_FALSE(Write(file, Bytes(5000, 'n')));
    }
    EXPECT_EQ(ReadBytes(file), kOld);
    EXPECT_EQ(FolderEntries(dir.Path()), std::vector<std::string>{"f.lmr"});
}

TEST(AtomicFile, FailedRenameLeavesNoTemporary)
{
    TempConfigHome dir;
    // The name is taken by a folder with something in it: the rename fails
    // after the temporary file has been written.
    const fs::path taken = dir.Path() / "f.lmr";
    fs::create_directories(taken);
    WriteBytes(taken / "inside", kOld);
    EXPECT_FALSE(Write(taken, {1, 2, 3}));
    EXPECT_EQ(ReadBytes(taken / "inside"), kOld);
    EXPECT_EQ(FolderEntries(dir.Path()), std::vector<std::string>{"f.lmr"});
}

TEST(AtomicFile, NoPlaceForTheFile)
{
    TempConfigHome dir;
    WriteBytes(dir.Path() / "plain", kOld);
    EXPECT_FALSE(Write(dir.Path() / "missing" / "f.lmr", kOld));
    EXPECT_FALSE(Write(dir.Path() / "plain" / "f.lmr", kOld));  // parent is a file
    EXPECT_FALSE(WriteFileAtomically("", kOld.data(), kOld.size()));
    EXPECT_FALSE(Write(dir.Path().string() + "/", kOld));
    EXPECT_EQ(FolderEntries(dir.Path()), std::vector<std::string>{"plain"});
    EXPECT_EQ(ReadBytes(dir.Path() / "plain"), kOld);
}

TEST(AtomicFile, ReadOnlyFolderOrFileIsLeftAlone)
{
    if (geteuid() == 0) GTEST_SKIP() << "permission bits do not stop root";
    TempConfigHome dir;
    const fs::path file = dir.Path() / "f.lmr";
    WriteBytes(file, kOld);
    fs::permissions(file, fs::perms::owner_read);
    EXPECT_FALSE(Write(file, {1}));
    EXPECT_EQ(ReadBytes(file), kOld);

    fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write);
    fs::permissions(dir.Path(), fs::perms::owner_read | fs::perms::owner_exec);
    EXPECT_FALSE(Write(file, {1}));
    fs::permissions(dir.Path(), fs::perms::owner_all);
    EXPECT_EQ(ReadBytes(file), kOld);
    EXPECT_EQ(FolderEntries(dir.Path()), std::vector<std::string>{"f.lmr"});
}

// What a killed save leaves behind goes at the next start; nothing else in
// the folder does, however close its name.
TEST(AtomicFile, RemovesOnlyTheLeftoversOfInterruptedSaves)
{
    TempConfigHome dir;
    const fs::path folder = dir.Path();
    const fs::path file = folder / "catalog.lmr";
    ASSERT_TRUE(Write(file, kOld));
    const std::vector<std::string> leftovers = {".catalog.lmr.a1B2c3", ".catalog.lmr.XXXXXX"};
    const std::vector<std::string> kept = {"catalog.lmr",         ".catalog.lmr.short", ".catalog.lmr.toolong7",
                                           ".catalog.lmr.ab-cd_", ".data1.lmr.a1B2c3",  "catalog.lmr.a1B2c3",
                                           ".catalog.lmr.",       "notes.txt",          ".catalog.lmr.link00",
                                           ".catalog.lmr.folder"};
    for (const std::string& name : leftovers) ASSERT_TRUE(Write(folder / name, kOld));
    for (const std::string& name : kept) {
        if (name == ".catalog.lmr.link00") {
            fs::create_symlink(file, folder / name);
        } else if (name == ".catalog.lmr.folder") {
            fs::create_directory(folder / name);
        } else if (!fs::exists(folder / name)) {
            ASSERT_TRUE(Write(folder / name, kOld));
        }
    }

    EXPECT_EQ(RemoveInterruptedSaves(file.string()), 2);
    for (const std::string& name : leftovers) EXPECT_FALSE(fs::exists(folder / name)) << name;
    for (const std::string& name : kept) EXPECT_TRUE(fs::exists(fs::symlink_status(folder / name))) << name;
    EXPECT_EQ(ReadBytes(file), kOld);

    // No folder, no file name: nothing to do, nothing breaks.
    EXPECT_EQ(RemoveInterruptedSaves((folder / "missing" / "catalog.lmr").string()), 0);
    EXPECT_EQ(RemoveInterruptedSaves(folder.string() + "/"), 0);
}
