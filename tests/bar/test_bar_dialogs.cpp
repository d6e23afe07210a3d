// The bar's commands that open dialogs: the catalogue hands its list back only
// on OK, and the about box opens from the Help submenu.
#include "bar/LumoraDlg.h"
#include "common/TempConfigHome.h"
#include "dialogs/AboutDlg.h"
#include "dialogs/CatalogDlg.h"
#include "dialogs/DialogTestKit.h"
#include "menus/Commands.h"
#include "menus/EngineMenu.h"
#include "menus/MenuProbe.h"

#include <gtest/gtest.h>

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
    const CEngineList before = bar.m_engines;
    const auto menuBefore = Describe(bar.m_engineMenu);

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
    EXPECT_EQ(bar.m_engines, before);
    EXPECT_EQ(Describe(bar.m_engineMenu), menuBefore);
    EXPECT_EQ(Marks(bar.m_engineMenu), std::vector<int>{kFirstEngineCommand});
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

    ASSERT_EQ(bar.m_engines.Count(), 79);
    EXPECT_EQ(SelectedFlags(bar.m_engines), std::vector<bool>(79, false));
    // Only the separator and "Edit..." are left; the current engine stays
    // until another is chosen.
    EXPECT_EQ(Describe(bar.m_engineMenu), (std::vector<std::string>{"---", "Edit... #351"}));
    EXPECT_EQ(bar.m_current.name, "Google");
    EXPECT_EQ(bar.m_settings.engineIndex, 0);
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

    EXPECT_EQ(bar.m_engines.At(0).name, "About");
    // The menu follows the new order: "Amazon" is now the first selected engine.
    EXPECT_EQ(Describe(bar.m_engineMenu).front(), "Amazon [a] #300 radio");
    EXPECT_TRUE(Marks(bar.m_engineMenu).empty());
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

}  // namespace
