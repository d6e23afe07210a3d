// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "store/ReadFile.h"

#include "common/FileBytes.h"
#include "common/TempConfigHome.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <thread>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

Bytes Counting(std::size_t size)
{
    Bytes b(size);
    for (std::size_t i = 0; i < size; ++i) b[i] = static_cast<std::uint8_t>(i * 31 + i / 256);
    return b;
}

TEST(ReadFile, LimitTakesTheFirstBytesOnly)
{
    TempConfigHome home;
    const fs::path path = home.Path() / "file";
    struct Case {
        std::size_t fileSize;
        std::size_t limit;
    };
    const std::size_t whole = SIZE_MAX;
    const Case cases[] = {
        {0, whole},
        {0, 308},
        {307, 308},
        {308, 308},
        {400, 308},
        {1, 0},
        {5, whole},
        {200 * 1024, whole},
        {200 * 1024, 100 * 1024},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.fileSize << " bytes, limit " << c.limit);
        const Bytes content = Counting(c.fileSize);
        WriteBytes(path, content);
        Bytes got{1, 2, 3};  // stale content must not survive
        ASSERT_EQ(ReadFile(path.string(), got, c.limit), EReadFile::Read);
        EXPECT_EQ(got, Bytes(content.begin(), content.begin() + std::min(c.fileSize, c.limit)));
    }
}

// A pipe has no size up front: the buffer grows as the bytes come.
TEST(ReadFile, PipeIsReadToItsEnd)
{
    TempConfigHome home;
    const fs::path path = home.Path() / "fifo";
    ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0);
    const Bytes content = Counting(300 * 1024);
    std::thread writer([&] {
        const int fd = ::open(path.c_str(), O_WRONLY | O_CLOEXEC);
        if (fd < 0) return;
        std::size_t done = 0;
        while (done < content.size()) {
            const ssize_t n = ::write(fd, content.data() + done, content.size() - done);
            if (n <= 0) break;
            done += static_cast<std::size_t>(n);
        }
        ::close(fd);
    });
    Bytes got;
    const EReadFile result = ReadFile(path.string(), got);
    writer.join();
    EXPECT_EQ(result, EReadFile::Read);
    EXPECT_EQ(got, content);
}

TEST(ReadFile, MissingAndUnreadableAreTold)
{
    TempConfigHome home;
    Bytes got{1};
    EXPECT_EQ(ReadFile((home.Path() / "missing").string(), got), EReadFile::CannotOpen);
    EXPECT_TRUE(got.empty());
    got = {1};
    // A folder opens but cannot be read.
    EXPECT_EQ(ReadFile(home.Path().string(), got), EReadFile::ReadFailed);
    EXPECT_TRUE(got.empty());
}

}  // namespace
