// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/SessionEnd.h"
#include "bar/BarTestAccess.h"
#include "bar/LumoraDlg.h"
#include "common/AddressRecorder.h"
#include "common/BuiltInEngines.h"
#include "common/FileBytes.h"
#include "common/TempConfigHome.h"
#include "engines/EngineMenuModel.h"
#include "options/OptionTable.h"
#include "platform/Desktop.h"
#include "platform/TerminationSignals.h"
#include "store/CatalogFile.h"
#include "store/DataFolder.h"

#include <QApplication>
#include <QMenu>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

SSearch Engine(const char* name, const char* abbreviation, bool selected)
{
    SSearch s;
    s.name = name;
    s.abbreviation = abbreviation;
    s.url = std::string("http://") + abbreviation + ".example/?q=[keyword]";
    s.group = "Test";
    s.selected = selected;
    return s;
}

// Three engines, the first of them not in the menu.
CEngineList ThreeEngines()
{
    CEngineList engines;
    engines.Append(Engine("Hidden", "hh", false));
    engines.Append(Engine("Second", "ss", true));
    engines.Append(Engine("Third", "tt", true));
    return engines;
}

class BarPersistenceTest : public ::testing::Test {
protected:
    fs::path SettingsFile() const { return m_home.DataFolder() / "data1.lmr"; }
    fs::path CatalogFile() const { return m_home.DataFolder() / "catalog.lmr"; }

    // Settings of a bar on this test's screen.
    static SSettings Defaults(int barWidth)
    {
        SSettings s;
        SetDefaultSettings(s, GetDesktopRect().width(), barWidth);
        return s;
    }

    // Runs the bar modally; `during` runs from its loop once it is up. A
    // deadline ends a bar that never closes with -1.
    static int RunBar(CLumoraDlg& bar, const std::function<void()>& during)
    {
        QTimer::singleShot(0, &bar, during);
        QTimer::singleShot(10000, &bar, [&bar] { bar.done(-1); });
        return bar.exec();
    }

    TempConfigHome m_home;
    AddressRecorder m_opened;  // no browser, whatever happens
};

TEST_F(BarPersistenceTest, FirstStartTakesTheDefaultsAndTheBuiltInCatalogue)
{
    CLumoraDlg bar;
    EXPECT_EQ(bar.Settings(), Defaults(bar.width()));
    EXPECT_EQ(bar.Engines(), BuiltInEngines());
    EXPECT_EQ(bar.Current().name, "Google");
    // The folder is ready for the first save; nothing is written before it.
    EXPECT_TRUE(fs::is_directory(m_home.DataFolder()));
    EXPECT_FALSE(fs::exists(SettingsFile()));
    EXPECT_FALSE(fs::exists(CatalogFile()));
}

// Temporaries of saves that were killed before their rename are gone once
// the bar has started; the files themselves and everything else stay.
TEST_F(BarPersistenceTest, StartRemovesWhatInterruptedSavesLeftBehind)
{
    {
        CLumoraDlg first;
        ASSERT_EQ(RunBar(first, [&first] { first.OnCommand(kCloseCommand); }), QDialog::Accepted);
    }
    const fs::path folder = m_home.DataFolder();
    const Bytes settings = ReadBytes(SettingsFile());
    const Bytes catalog = ReadBytes(CatalogFile());
    const Bytes junk(1000, 0x55);
    for (const char* name : {".data1.lmr.Ab12Cd", ".catalog.lmr.x9Y8z7", ".catalog.lmr.000000", ".catalog.lmr.keep",
                             "my-notes.txt", ".other.lmr.Ab12Cd", ".lumora.ini.Qw12Er"})
        WriteBytes(folder / name, junk);

    CLumoraDlg bar;
    std::vector<std::string> left;
    for (const auto& entry : fs::directory_iterator(folder)) left.push_back(entry.path().filename().string());
    std::sort(left.begin(), left.end());
    EXPECT_EQ(left, (std::vector<std::string>{".catalog.lmr.keep", ".other.lmr.Ab12Cd", "catalog.lmr", "data1.lmr",
                                              "lumora.ini", "my-notes.txt"}));
    EXPECT_EQ(ReadBytes(SettingsFile()), settings);
    EXPECT_EQ(ReadBytes(CatalogFile()), catalog);
}

TEST_F(BarPersistenceTest, SavedSettingsComeBack)
{
    SSettings saved = Defaults(210);
    saved.barLeft = 100;
    saved.colorScheme = 5;
    saved.rounding = 2;
    saved.buttonView = 3;
    saved.transparency = 4;
    saved.engineIndex = 2;
    saved.autoHide = 0;
    saved.SetFaceName("DejaVu Sans");
    saved.fontHeight = -16;
    saved.fontItalic = 1;
    saved.reserved3[0] = 0x5A;  // carried, never interpreted
    CreateDataFolder();
    ASSERT_TRUE(SaveSettings(SettingsFile().string(), saved));

    CLumoraDlg bar;
    EXPECT_EQ(bar.Settings(), saved);
    EXPECT_EQ(bar.pos().x(), 100);
    // engineIndex counts the selected engines only.
    EXPECT_EQ(bar.Current(), EngineAtMenuPosition(BuiltInEngines(), 2));
    EXPECT_NE(bar.Current().name, "Google");
}

TEST_F(BarPersistenceTest, CatalogueFileDecidesTheEngines)
{
    const Bytes three = WriteCatalog(ThreeEngines());
    struct Case {
        const char* what;
        Bytes file;
        CEngineList expected;
        const char* current;
    };
    const Case cases[] = {
        // The first engine in the menu is current, not the first in the list.
        {"three engines", three, ThreeEngines(), "Second"},
        {"cut in the middle", Bytes(three.begin(), three.begin() + three.size() / 2), BuiltInEngines(), "Google"},
        {"empty file", Bytes{}, BuiltInEngines(), "Google"},
        // A count of 0 is a valid, empty catalogue: no engine at all.
        {"no engines", Bytes{0, 0, 0, 0}, CEngineList{}, "null"},
    };
    CreateDataFolder();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        WriteBytes(CatalogFile(), c.file);
        CLumoraDlg bar;
        EXPECT_EQ(bar.Engines(), c.expected);
        EXPECT_EQ(bar.Current().name, c.current);
    }
}

TEST_F(BarPersistenceTest, CloseWritesBothFilesAndEndsTheBar)
{
    CLumoraDlg bar;
    const int result = RunBar(bar, [&bar] {
        // Changes of this run: a dragged bar, a scheme, an edited catalogue.
        bar.move(123, bar.y());
        bar.OnCommand(kFirstSchemeCommand + 7);
        CEngineList edited = bar.Engines();
        edited.At(0).selected = false;
        edited.Append(Engine("Mine", "mm", true));
        CBarTestAccess::SetEngines(bar, edited);
        bar.OnCommand(kCloseCommand);
    });
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_FALSE(bar.isVisible());

    ASSERT_EQ(fs::file_size(SettingsFile()), kSettingsSize);
    SSettings stored;
    ASSERT_TRUE(LoadSettings(SettingsFile().string(), stored, GetDesktopRect().width(), bar.width()));
    EXPECT_EQ(stored, bar.Settings());
    EXPECT_EQ(stored.barLeft, 123);
    EXPECT_EQ(stored.colorScheme, 7);

    CEngineList engines;
    ASSERT_TRUE(LoadCatalog(CatalogFile().string(), engines));
    EXPECT_EQ(engines, bar.Engines());
    EXPECT_EQ(engines.Count(), 80);

    // The next start picks up where this one ended.
    CLumoraDlg next;
    EXPECT_EQ(next.Settings(), bar.Settings());
    EXPECT_EQ(next.Engines(), bar.Engines());
    EXPECT_EQ(next.pos().x(), 123);
}

TEST_F(BarPersistenceTest, FailedSaveStillEndsTheBarAndKeepsTheOldFiles)
{
    struct Case {
        const char* what;
        bool needsNonRoot;  // root writes into read-only folders anyway
        std::function<void()> block;
        std::function<void()> unblock;
    };
    const fs::path folder = m_home.DataFolder();
    rlimit oldLimit{};
    getrlimit(RLIMIT_FSIZE, &oldLimit);
    const Case cases[] = {
        {"read-only data folder", true,
         [folder] { fs::permissions(folder, fs::perms::owner_read | fs::perms::owner_exec); },
         [folder] { fs::permissions(folder, fs::perms::owner_all); }},
        // Stands in for a full disk: no file can grow past 64 bytes.
        {"no room to write", false,
         [oldLimit] {
             std::signal(SIGXFSZ, SIG_IGN);
             rlimit small = oldLimit;
             small.rlim_cur = 64;
             setrlimit(RLIMIT_FSIZE, &small);
         },
         [oldLimit] {
             setrlimit(RLIMIT_FSIZE, &oldLimit);
             std::signal(SIGXFSZ, SIG_DFL);
         }},
    };

    // Files of an earlier run.
    {
        CLumoraDlg first;
        ASSERT_EQ(RunBar(first, [&first] { first.OnCommand(kCloseCommand); }), QDialog::Accepted);
    }
    const Bytes oldSettings = ReadBytes(SettingsFile());
    const Bytes oldCatalog = ReadBytes(CatalogFile());
    ASSERT_EQ(oldSettings.size(), kSettingsSize);

    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        if (c.needsNonRoot && geteuid() == 0) continue;
        CLumoraDlg bar;
        c.block();
        const int result = RunBar(bar, [&bar] {
            bar.move(77, bar.y());
            CEngineList edited = bar.Engines();
            edited.Append(Engine("Mine", "mm", true));
            CBarTestAccess::SetEngines(bar, edited);
            bar.OnCommand(kCloseCommand);
        });
        c.unblock();
        EXPECT_EQ(result, QDialog::Accepted);
        EXPECT_EQ(ReadBytes(SettingsFile()), oldSettings);
        EXPECT_EQ(ReadBytes(CatalogFile()), oldCatalog);
        // No temporary file left behind either: the two data files and lumora.ini.
        EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 3);
    }
}

// A termination signal arriving while a dialog and a popup menu are open
// closes both, then saves and ends the bar from its own loop.
TEST_F(BarPersistenceTest, TerminationSignalClosesWhatIsOpenThenSavesAndEnds)
{
    CLumoraDlg bar;
    CTerminationSignals termination;
    ASSERT_TRUE(termination.IsWatching());
    ConnectSessionEnd(bar, termination);

    QDialog inner(&bar);
    QMenu menu(&inner);
    menu.addAction(QStringLiteral("entry"));
    int innerResult = 0;
    bool menuOpen = false;

    QTimer::singleShot(0, &bar, [&] {
        QTimer::singleShot(0, &inner, [&] {
            menu.popup(inner.mapToGlobal(QPoint(5, 5)));
            menuOpen = QApplication::activePopupWidget() == &menu;
            bar.move(321, bar.y());
            std::raise(SIGTERM);
        });
        innerResult = inner.exec();
        // The bar saves only after the dialog's own loop has returned.
        EXPECT_FALSE(fs::exists(SettingsFile()));
    });
    QTimer::singleShot(10000, &bar, [&] {
        inner.done(-2);
        bar.done(-1);
    });
    const int result = bar.exec();

    EXPECT_TRUE(menuOpen);
    EXPECT_FALSE(menu.isVisible());
    EXPECT_EQ(innerResult, QDialog::Rejected);
    EXPECT_EQ(result, QDialog::Accepted);
    SSettings stored;
    ASSERT_TRUE(LoadSettings(SettingsFile().string(), stored, GetDesktopRect().width(), bar.width()));
    EXPECT_EQ(stored.barLeft, 321);
    EXPECT_TRUE(fs::exists(CatalogFile()));
}

}  // namespace
