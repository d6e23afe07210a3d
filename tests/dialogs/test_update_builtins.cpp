// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Bringing the built-in engines up to date from the catalogue: what the
// update dialog offers, leaving rows out, closed engines, and the entry
// greyed out once there is nothing left.
#include "CatalogTestKit.h"

#include "common/BuiltInEngines.h"
#include "dialogs/UpdateBuiltinsDlg.h"

#include <QAction>
#include <QCheckBox>
#include <QImage>
#include <QTreeWidget>

namespace {

const QString kUpdateEntry = QStringLiteral("Update Built-in Engines...");

QAction* Entry(const CCatalogDlg& dlg, const QString& text)
{
    for (QAction* action : dlg.ContextActions()) {
        if (action && action->text() == text) return action;
    }
    ADD_FAILURE() << "no entry " << text.toStdString();
    return nullptr;
}

QTreeWidgetItem* RowNamed(const CUpdateBuiltinsDlg& dlg, const QString& name)
{
    const auto found = dlg.Checklist()->findItems(name, Qt::MatchExactly, CUpdateBuiltinsDlg::kColumnName);
    return found.size() == 1 ? found.front() : nullptr;
}

std::int32_t IndexOf(const CEngineList& list, const std::string& name)
{
    for (std::int32_t i = 0; i < list.Count(); ++i) {
        if (list.At(i).name == name) return i;
    }
    return -1;
}

// The built-in list with Yahoo!'s template changed by the user and an own engine.
CEngineList UsersList()
{
    CEngineList list = BuiltInEngines();
    list.At(IndexOf(list, "Yahoo!")).url = "http://search.yahoo.com/search?p=[keyword]&ei=UTF-8";
    SSearch own = Engine("Intranet", "in", "Search");
    own.url = "http://wiki.intranet/?q=[keyword]";
    list.Append(own);
    return list;
}

}  // namespace

TEST(UpdateBuiltins, ListsWhatWouldChangeAndLeavesOutUntickedRows)
{
    const CEngineList list = UsersList();
    CUpdateBuiltinsDlg dlg(list);
    dlg.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dlg));
    SaveShot(&dlg, QStringLiteral("update_builtins"));

    // Alive and moved engines with a known address, less the edited one, and
    // TuCows, the one closed engine ticked.
    EXPECT_EQ(dlg.Checklist()->topLevelItemCount(), 19 + 28 - 1 + 1);
    for (const char* never : {"Yahoo!", "Intranet", "Yahoo Local", "Google Blogs", "Times online"})
        EXPECT_EQ(RowNamed(dlg, QString::fromUtf8(never)), nullptr) << never;

    QTreeWidgetItem* image = RowNamed(dlg, QStringLiteral("Google Image"));
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->checkState(0), Qt::Checked);
    EXPECT_EQ(image->text(CUpdateBuiltinsDlg::kColumnChange),
              QStringLiteral("https://www.google.com/search?q=[keyword]&tbm=isch"));
    EXPECT_EQ(image->text(CUpdateBuiltinsDlg::kColumnNow),
              QStringLiteral("http://images.google.com/images?q=[keyword]"));

    QTreeWidgetItem* tucows = RowNamed(dlg, QStringLiteral("TuCows"));
    ASSERT_NE(tucows, nullptr);
    EXPECT_EQ(tucows->text(CUpdateBuiltinsDlg::kColumnChange), QStringLiteral("closed in 2021: unticked"));
    ASSERT_NE(dlg.DeleteClosedBox(), nullptr);
    EXPECT_FALSE(dlg.DeleteClosed());
    dlg.DeleteClosedBox()->click();
    EXPECT_TRUE(dlg.DeleteClosed());
    EXPECT_EQ(tucows->text(CUpdateBuiltinsDlg::kColumnChange), QStringLiteral("closed in 2021: deleted"));

    // Space on the current row unticks it, as the user would, and the box
    // shows it.
    dlg.Checklist()->setFocus();
    dlg.Checklist()->setCurrentItem(image);
    const QRect cell = dlg.Checklist()->visualItemRect(image);
    const QRect box(cell.left(), cell.top(), cell.height() + 4, cell.height());
    const QImage ticked = dlg.Checklist()->viewport()->grab(box).toImage();
    QTest::keyClick(dlg.Checklist(), Qt::Key_Space);
    EXPECT_EQ(image->checkState(0), Qt::Unchecked);
    EXPECT_NE(dlg.Checklist()->viewport()->grab(box).toImage(), ticked);
    const std::vector<SBuiltInUpdate> chosen = dlg.ChosenUpdates();
    EXPECT_EQ(chosen.size(), std::size_t{19 + 28 - 1 + 1 - 1});
    for (const SBuiltInUpdate& u : chosen) EXPECT_NE(list.At(u.entry).name, "Google Image");

    // Without a closed engine on offer there is no box to delete them.
    CEngineList noClosed = BuiltInEngines();
    noClosed.At(IndexOf(noClosed, "TuCows")).selected = false;
    CUpdateBuiltinsDlg other(noClosed);
    EXPECT_EQ(other.DeleteClosedBox(), nullptr);
}

TEST(UpdateBuiltins, OkUpdatesTheWorkingListAndTheEntryGreysOut)
{
    const CEngineList start = UsersList();
    CCatalogDlg dlg(start);
    dlg.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dlg));
    QAction* update = Entry(dlg, kUpdateEntry);
    ASSERT_NE(update, nullptr);
    EXPECT_TRUE(update->isEnabled());

    // Cancel changes nothing.
    OnNextDialog<CUpdateBuiltinsDlg>([](CUpdateBuiltinsDlg* d) { Click(d, "cancelButton"); }, &dlg);
    update->trigger();
    EXPECT_EQ(dlg.WorkingList(), start);

    // Google left out, the rest taken.
    OnNextDialog<CUpdateBuiltinsDlg>(
        [](CUpdateBuiltinsDlg* d) {
            RowNamed(*d, QStringLiteral("Google"))->setCheckState(0, Qt::Unchecked);
            Click(d, "okButton");
        },
        &dlg);
    update->trigger();
    const CEngineList& after = dlg.WorkingList();
    ASSERT_EQ(after.Count(), start.Count());
    for (std::int32_t i = 0; i < after.Count(); ++i) {
        EXPECT_EQ(after.At(i).name, start.At(i).name);
        EXPECT_EQ(after.At(i).abbreviation, start.At(i).abbreviation);
        EXPECT_EQ(after.At(i).group, start.At(i).group);
        EXPECT_EQ(after.At(i).selected, start.At(i).selected && after.At(i).name != "TuCows");
    }
    EXPECT_EQ(after.At(0), start.At(0));
    EXPECT_EQ(after.At(IndexOf(after, "Google Image")).url, "https://www.google.com/search?q=[keyword]&tbm=isch");
    EXPECT_EQ(after.At(IndexOf(after, "Amazon")).url, "https://www.amazon.com/s?k=[keyword]");
    EXPECT_FALSE(after.At(IndexOf(after, "TuCows")).selected);
    EXPECT_EQ(after.At(IndexOf(after, "Yahoo!")), start.At(IndexOf(start, "Yahoo!")));
    EXPECT_EQ(Counter(dlg, "selectedCounter"), QStringLiteral("13"));  // 13 built-in + Intranet - TuCows
    EXPECT_TRUE(update->isEnabled());                                  // Google is still on offer

    // Google taken too; then nothing is left.
    OnNextDialog<CUpdateBuiltinsDlg>(
        [](CUpdateBuiltinsDlg* d) {
            EXPECT_EQ(d->Checklist()->topLevelItemCount(), 1);
            Click(d, "okButton");
        },
        &dlg);
    update->trigger();
    EXPECT_EQ(dlg.WorkingList().At(0).url, "https://www.google.com/search?q=[keyword]");
    EXPECT_FALSE(update->isEnabled());
    EXPECT_FALSE(dlg.CanUpdateBuiltIns());
}

TEST(UpdateBuiltins, ClosedEnginesDeletedOnRequestAndRestoreKnowsUpdatedOnes)
{
    // Every built-in engine brought up to date: none counts as missing.
    CEngineList before = BuiltInEngines();
    ApplyBuiltInUpdates(before, FindBuiltInUpdates(before), false);
    EXPECT_FALSE(CCatalogDlg(before).CanRestoreBuiltIns());
    EXPECT_FALSE(CCatalogDlg(before).CanUpdateBuiltIns());

    // Ticking a closed engine makes it one to update again.
    CEngineList ticked = before;
    ticked.At(IndexOf(ticked, "DMOZ")).selected = true;
    CCatalogDlg again(ticked);
    EXPECT_TRUE(again.CanUpdateBuiltIns());
    OnNextDialog<CUpdateBuiltinsDlg>(
        [](CUpdateBuiltinsDlg* d) {
            d->DeleteClosedBox()->click();
            Click(d, "okButton");
        },
        &again);
    again.OnUpdateBuiltIns();
    EXPECT_EQ(again.WorkingList().Count(), before.Count() - 1);
    EXPECT_EQ(IndexOf(again.WorkingList(), "DMOZ"), -1);
    // Restore brings the deleted closed engine back, and only that.
    EXPECT_TRUE(again.CanRestoreBuiltIns());
    again.OnRestoreBuiltIns();
    EXPECT_EQ(again.WorkingList().Count(), before.Count());
}
