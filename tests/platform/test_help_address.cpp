// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/HelpAddress.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <fstream>

namespace fs = std::filesystem;

namespace {

void Touch(const fs::path& path)
{
    fs::create_directories(path.parent_path());
    std::ofstream(path) << "x";
}

}  // namespace

// F1: the working folder's help.chm wins, then the manual installed beside
// the program (libexec/lumora -> share/doc/lumora), then help.chm as before.
TEST(HelpAddress, PrefersTheLocalHelpFileThenTheInstalledManual)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const fs::path root = dir.path().toStdString();
    const fs::path working = root / "work";
    const fs::path program = root / "usr/libexec/lumora";
    fs::create_directories(working);
    fs::create_directories(program);

    EXPECT_EQ(HelpAddress(working, program), "help.chm");
    EXPECT_EQ(HelpAddress(working, {}), "help.chm");

    Touch(root / "usr/share/doc/lumora/lumora.html");
    EXPECT_EQ(HelpAddress(working, program), (root / "usr/share/doc/lumora/lumora.html").string());

    Touch(working / "help.chm");
    EXPECT_EQ(HelpAddress(working, program), "help.chm");

    // A folder of that name is no help file.
    fs::remove(working / "help.chm");
    fs::create_directories(working / "help.chm");
    EXPECT_EQ(HelpAddress(working, program), (root / "usr/share/doc/lumora/lumora.html").string());
}
