// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The bar's commands that open dialogs: the catalogue hands its list back only
// on OK, and the about box opens from the Help submenu.
#include "bar/LumoraDlg.h"
#include "common/AddressRecorder.h"
#include "common/ImportHome.h"
#include "common/TempConfigHome.h"
#include "dialogs/AboutDlg.h"
#include "dialogs/CatalogDlg.h"
#include "dialogs/CatalogModel.h"
#include "dialogs/DialogTestKit.h"
#include "dialogs/EditSearch.h"
#include "dialogs/ImportDlg.h"
#include "engines/EngineMenuModel.h"
#include "import/ImportFixtures.h"
#include "menus/EngineMenu.h"
#include "menus/MenuProbe.h"
#include "options/OptionTable.h"

#include <QFontDialog>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTest>

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <map>

namespace {

std::vector<bool> SelectedFlags(const CEngineList& engines)
{
    std::vector<bool> flags;
    for (const SSearch& engine : engines) flags.push_back(engine.selected);
    return flags;
}

class BarDialogsTest : public ::testing::Test {
protected:
    TempConfigHome m_home;
};

TEST_F(BarDialogsTest, CatalogCancelLeavesTheListAndTheMenu)
{
    CLumoraDlg bar;
    const CEngineList before = bar.Engines();
    const auto menuBefore = Describe(bar.EngineMenu());

    bool opened = false;
    OnNextDialog<CCatalogDlg>(
        [&](CCatalogDlg* catalog) {
            opened = true;
            catalog->OnUncheckAll();
            catalog->reject();
        },
        &bar);
    bar.OnCommand(kCatalogCommand);

    EXPECT_TRUE(opened);
    EXPECT_EQ(bar.Engines(), before);
    EXPECT_EQ(Describe(bar.EngineMenu()), menuBefore);
    EXPECT_EQ(Marks(bar.EngineMenu()), std::vector<int>{kFirstEngineCommand});
}

TEST_F(BarDialogsTest, CatalogCancelAfterEveryKindOfChangeLeavesTheBarAsItWas)
{
    const std::vector<std::pair<const char*, std::function<void(CCatalogDlg&)>>> changes = {
        {"delete", [](CCatalogDlg& d) { d.OnDelete(); }},
        {"delete all",
         [](CCatalogDlg& d) {
             d.ListView()->selectAll();
             d.OnDelete();
         }},
        {"move", [](CCatalogDlg& d) { d.OnMoveDown(); }},
        {"restore",
         [](CCatalogDlg& d) {
             d.OnDelete();
             d.OnRestoreBuiltIns();
         }},
        {"filter and tick",
         [](CCatalogDlg& d) {
             d.FilterField()->setText(QStringLiteral("yahoo"));
             d.Model()->setData(d.Model()->index(1, 0), Qt::Checked, Qt::CheckStateRole);
         }},
        {"sort", [](CCatalogDlg& d) { d.Sort(1); }},
    };
    for (const auto& [what, change] : changes) {
        SCOPED_TRACE(what);
        CLumoraDlg bar;
        bar.OnCommand(kFirstEngineCommand + 2);
        const CEngineList before = bar.Engines();
        const auto menuBefore = Describe(bar.EngineMenu());
        bool changed = false;
        OnNextDialog<CCatalogDlg>(
            [&](CCatalogDlg* catalog) {
                change(*catalog);
                changed = !(catalog->WorkingList() == before);
                catalog->findChild<QPushButton*>(QStringLiteral("cancelButton"))->click();
            },
            &bar);
        bar.OnCommand(kCatalogCommand);
        EXPECT_TRUE(changed);
        EXPECT_EQ(bar.Engines(), before);
        EXPECT_EQ(Describe(bar.EngineMenu()), menuBefore);
        EXPECT_EQ(Marks(bar.EngineMenu()), std::vector<int>{kFirstEngineCommand + 2});
        EXPECT_EQ(bar.Current().name, "Google Shopping");
        EXPECT_EQ(bar.Settings().engineIndex, 2);
    }
}

TEST_F(BarDialogsTest, EditFromTheEngineMenuOpensTheCatalogAndOkRebuildsTheMenu)
{
    CLumoraDlg bar;
    OnNextDialog<CCatalogDlg>(
        [&](CCatalogDlg* catalog) {
            catalog->OnUncheckAll();
            catalog->OnOk();
        },
        &bar);
    bar.OnCommand(kEditCatalogCommand);

    ASSERT_EQ(bar.Engines().Count(), 79);
    EXPECT_EQ(SelectedFlags(bar.Engines()), std::vector<bool>(79, false));
    // Only the separator and "Edit..." are left; the current engine stays
    // until another is chosen.
    EXPECT_EQ(Describe(bar.EngineMenu()), (std::vector<std::string>{"---", "Edit... #351"}));
    EXPECT_EQ(bar.Current().name, "Google");
    EXPECT_EQ(bar.Settings().engineIndex, 0);
}

TEST_F(BarDialogsTest, CatalogOkKeepsTheOrderTheDialogLeft)
{
    CLumoraDlg bar;
    OnNextDialog<CCatalogDlg>(
        [&](CCatalogDlg* catalog) {
            catalog->Sort(0);  // by name, ascending
            catalog->OnOk();
        },
        &bar);
    bar.OnCommand(kCatalogCommand);

    EXPECT_EQ(bar.Engines().At(0).name, "About");
    // The menu follows the new order: "Amazon" is now the first selected
    // engine, and the mark has gone with Google to its new place.
    EXPECT_EQ(Describe(bar.EngineMenu()).front(), "Amazon [a] #300 radio");
    EXPECT_EQ(Marks(bar.EngineMenu()), std::vector<int>{kFirstEngineCommand + 3});
}

// After OK the stored position follows the current engine, so the menu's
// mark, the bar and the next start all name it; when it has no entry any
// more, everything stays as it was and the menu has no mark.
TEST_F(BarDialogsTest, CatalogOkKeepsTheCurrentEngineWhereverItMoved)
{
    const auto selectRow = [](CCatalogDlg& d, int row) { d.ListView()->setCurrentIndex(d.Model()->index(row, 0)); };
    const struct {
        const char* what;
        std::function<void(CCatalogDlg&)> change;
        int position;  // of Google Shopping afterwards, -1 for none
    } cases[] = {
        {"sort by name", [](CCatalogDlg& d) { d.Sort(0); }, 6},
        {"moved to the top",
         [&](CCatalogDlg& d) {
             selectRow(d, 4);
             for (int i = 0; i < 4; ++i) d.OnMoveUp();
         },
         0},
        {"moved past an unselected engine",
         [&](CCatalogDlg& d) {
             selectRow(d, 4);
             d.OnMoveUp();
         },
         2},
        {"moved past a selected engine",
         [&](CCatalogDlg& d) {
             selectRow(d, 4);
             d.OnMoveDown();
         },
         3},
        {"another engine deleted",
         [&](CCatalogDlg& d) {
             selectRow(d, 0);
             d.OnDelete();
         },
         1},
        {"deleted",
         [&](CCatalogDlg& d) {
             selectRow(d, 4);
             d.OnDelete();
         },
         -1},
        {"unticked",
         [](CCatalogDlg& d) { d.Model()->setData(d.Model()->index(4, 0), Qt::Unchecked, Qt::CheckStateRole); }, -1},
        {"an engine above it ticked through the filter",
         [](CCatalogDlg& d) {
             d.FilterField()->setText(QStringLiteral("google map"));
             d.Model()->setData(d.Model()->index(0, 0), Qt::Checked, Qt::CheckStateRole);
         },
         3},
        {"renamed",
         [&](CCatalogDlg& d) {
             selectRow(d, 4);
             OnNextDialog<CEditSearch>(
                 [](CEditSearch* edit) {
                     edit->findChild<QLineEdit*>(QStringLiteral("nameEdit"))->setText(QStringLiteral("Froogle"));
                     edit->findChild<QPushButton*>(QStringLiteral("okButton"))->click();
                 },
                 &d);
             d.OnEdit();
         },
         -1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        CLumoraDlg bar;
        bar.OnCommand(kFirstEngineCommand + 2);  // Google Shopping
        ASSERT_EQ(bar.Current().name, "Google Shopping");
        OnNextDialog<CCatalogDlg>(
            [&](CCatalogDlg* catalog) {
                c.change(*catalog);
                catalog->OnOk();
            },
            &bar);
        bar.OnCommand(kCatalogCommand);

        EXPECT_EQ(bar.Current().name, "Google Shopping");
        if (c.position < 0) {
            EXPECT_EQ(bar.Settings().engineIndex, 2);
            EXPECT_TRUE(Marks(bar.EngineMenu()).empty());
        } else {
            EXPECT_EQ(bar.Settings().engineIndex, c.position);
            EXPECT_EQ(Marks(bar.EngineMenu()), std::vector<int>{kFirstEngineCommand + c.position});
            EXPECT_EQ(EngineAtMenuPosition(bar.Engines(), c.position), bar.Current());
        }
    }
}

TEST_F(BarDialogsTest, AfterASortTheNextStartComesBackOnTheSameEngine)
{
    {
        CLumoraDlg bar;
        bar.OnCommand(kFirstEngineCommand + 2);
        OnNextDialog<CCatalogDlg>(
            [&](CCatalogDlg* catalog) {
                catalog->Sort(0);
                catalog->OnOk();
            },
            &bar);
        bar.OnCommand(kCatalogCommand);
        bar.OnCommand(kCloseCommand);
    }
    CLumoraDlg next;
    EXPECT_EQ(next.Current().name, "Google Shopping");
    EXPECT_EQ(next.Settings().engineIndex, 6);
    EXPECT_EQ(Marks(next.EngineMenu()), std::vector<int>{kFirstEngineCommand + 6});
}

// What the about box shows is checked with the dialog itself.
TEST_F(BarDialogsTest, AboutOpensFromTheHelpMenu)
{
    CLumoraDlg bar;
    bool opened = false;
    OnNextDialog<CAboutDlg>(
        [&](CAboutDlg* about) {
            opened = true;
            about->accept();
        },
        &bar);
    bar.OnCommand(kAboutCommand);
    EXPECT_TRUE(opened);
}

// Every window the bar opens comes up in the middle of the screen and never
// under the bar, which hangs from the top edge and stays on top. Nested ones
// (the edit dialog over the catalogue, its warning) too.
TEST_F(BarDialogsTest, DialogsOpenCentredOnTheScreenAndClearOfTheBar)
{
    CLumoraDlg bar;
    bar.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&bar));
    const QRect shownBar(QPoint(bar.x(), -2), bar.size());
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();

    std::map<std::string, QRect> frames;
    auto record = [&frames](const std::string& what, QWidget* w) { frames[what] = w->frameGeometry(); };

    OnNextModal(
        [&](QWidget* w) {
            record("catalogue", w);
            static_cast<QDialog*>(w)->reject();
        },
        &bar);
    bar.OnCommand(kCatalogCommand);
    OnNextModal(
        [&](QWidget* w) {
            record("about box", w);
            static_cast<QDialog*>(w)->reject();
        },
        &bar);
    bar.OnCommand(kAboutCommand);
    OnNextModal(
        [&](QWidget* w) {
            record("font dialog", w);
            static_cast<QDialog*>(w)->reject();
        },
        &bar);
    bar.OnCommand(kFontCommand);

    // The edit dialog, then its "Empty Serch Name" warning on OK with no name.
    OnNextDialog<CCatalogDlg>(
        [&](CCatalogDlg* catalog) {
            OnNextDialog<CEditSearch>(
                [&, catalog](CEditSearch* edit) {
                    record("edit dialog", edit);
                    OnNextDialog<QMessageBox>(
                        [&](QMessageBox* box) {
                            record("warning", box);
                            box->accept();
                        },
                        edit);
                    edit->findChild<QPushButton*>(QStringLiteral("okButton"))->click();
                },
                catalog);
            catalog->OnAdd();
            catalog->reject();
        },
        &bar);
    bar.OnCommand(kCatalogCommand);

    ASSERT_EQ(frames.size(), 5u);
    for (const auto& [what, frame] : frames) {
        SCOPED_TRACE(what);
        EXPECT_FALSE(frame.intersects(shownBar)) << frame.y() << " vs the bar's bottom " << shownBar.bottom();
        EXPECT_LE(std::abs(frame.center().x() - screen.center().x()), 3);
        EXPECT_TRUE(screen.contains(frame));
    }
}

// Import inside the catalogue: the catalogue's Cancel undoes it, its OK makes
// the imported keywords work at once.
TEST_F(BarDialogsTest, ImportedEnginesReachTheBarOnlyThroughTheCatalogsOk)
{
    ImportHome home;
    MakeSampleHome(home.Path());
    AddressRecorder opened;
    CLumoraDlg bar;
    const CEngineList before = bar.Engines();

    auto importAndEnd = [&](bool ok) {
        OnNextDialog<CCatalogDlg>(
            [&bar, ok](CCatalogDlg* catalog) {
                OnNextDialog<CImportDlg>([](CImportDlg* import) { import->accept(); }, catalog);
                catalog->OnImport();
                EXPECT_EQ(catalog->WorkingList().Count(), bar.Engines().Count() + 4);
                if (ok)
                    catalog->OnOk();
                else
                    catalog->reject();
            },
            &bar);
        bar.OnCommand(kCatalogCommand);
    };

    importAndEnd(false);
    EXPECT_EQ(bar.Engines(), before);
    bar.RunSearch("wk cats");
    ASSERT_EQ(opened.Addresses().size(), 1u);
    EXPECT_EQ(opened.Addresses()[0].find("wk.example.org"), std::string::npos);

    importAndEnd(true);
    ASSERT_EQ(bar.Engines().Count(), before.Count() + 4);
    const SSearch& first = bar.Engines().At(before.Count());
    EXPECT_EQ(first.name, "Work Wiki");
    EXPECT_EQ(first.group, "Firefox");
    EXPECT_FALSE(first.selected);
    bar.RunSearch("wk cats and dogs");
    bar.RunSearch("kb 12345");
    ASSERT_EQ(opened.Addresses().size(), 3u);
    EXPECT_EQ(opened.Addresses()[1], "https://wk.example.org/?q=cats+and+dogs");
    EXPECT_EQ(opened.Addresses()[2], "https://bugs.example.org/12345");
}

}  // namespace
