// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Keeping the catalogue in order: deleting, moving, filtering and restoring
// the built-in engines, with the keyboard and through the context menu.
#include "CatalogTestKit.h"

#include "dialogs/EditSearch.h"
#include "engines/Catalog.h"

#include <QAction>
#include <QApplication>

#include <algorithm>

namespace {

SSearch At(std::string name, std::string abbreviation, std::string group, std::string url, bool selected)
{
    SSearch s = Engine(std::move(name), std::move(abbreviation), std::move(group), selected);
    s.url = std::move(url);
    return s;
}

const CEngineList kFour = ListOf({
    Engine("Google", "g", "Search", true, 1),
    Engine("eBay", "e", "Shopping", false, 2),
    Engine("Amazon", "a", "Shopping", true, 3),
    Engine("BBC", "bbc", "News", false, 4),
});

// Every field different, so each filter text finds its engine by one field.
const CEngineList kGreek = ListOf({
    At("Alpha", "xa", "Search", "http://one.example/?q=[keyword]", true),
    At("Beta", "qq", "News", "http://two.example/?q=[keyword]", false),
    At("Gamma", "zz", "Video", "http://three.example/?q=[keyword]", true),
    At("Delta", "dd", "Shopping", "http://four.example/?q=[keyword]", false),
});

// Shown, active and with the focus in the list, so keys reach it as a
// user's would, shortcuts included.
void ShowWithListFocus(CCatalogDlg& dlg)
{
    dlg.show();
    dlg.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dlg));
    dlg.ListView()->setFocus();
    ASSERT_TRUE(dlg.ListView()->hasFocus());
}

void ClickRow(CCatalogDlg& dlg, int row, Qt::KeyboardModifiers modifiers = {})
{
    const QRect cell = dlg.ListView()->visualRect(dlg.Model()->index(row, 1));
    QTest::mouseClick(dlg.ListView()->viewport(), Qt::LeftButton, modifiers, cell.center());
}

// A key to whatever has the focus; a dialog that closed over the catalogue
// may have left no window active, which a user would fix with a click.
void Key(CCatalogDlg& dlg, Qt::Key key, Qt::KeyboardModifiers modifiers = {})
{
    if (!dlg.isActiveWindow()) {
        dlg.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&dlg));
    }
    ASSERT_NE(QApplication::focusWidget(), nullptr);
    QTest::keyClick(QApplication::focusWidget(), key, modifiers);
}

// Typed key by key where the test keyboard has the keys.
void TypeFilter(CCatalogDlg& dlg, const QString& text)
{
    dlg.FilterField()->clear();
    const bool ascii = std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x80; });
    if (ascii) {
        QTest::keyClicks(dlg.FilterField(), text);
    } else {
        dlg.FilterField()->insert(text);
    }
}

std::vector<int> SelectedRows(const CCatalogDlg& dlg)
{
    std::vector<int> rows;
    for (const QModelIndex& index : dlg.ListView()->selectionModel()->selectedRows()) rows.push_back(index.row());
    std::sort(rows.begin(), rows.end());
    return rows;
}

QAction* ContextAction(const CCatalogDlg& dlg, const QString& text)
{
    for (QAction* action : dlg.ContextActions()) {
        if (action && action->text() == text) return action;
    }
    ADD_FAILURE() << "no entry " << text.toStdString();
    return nullptr;
}

TEST(CatalogEdits, DeleteRemovesOneRowSeveralRowsOrAllAndTheCountersFollow)
{
    CCatalogDlg dlg(kFour);
    ShowWithListFocus(dlg);

    ClickRow(dlg, 1);
    Key(dlg, Qt::Key_Delete);
    EXPECT_EQ(Names(dlg.WorkingList()), (std::vector<std::string>{"Google", "Amazon", "BBC"}));
    EXPECT_EQ(Counter(dlg, "allItemsCounter"), QStringLiteral("3"));
    EXPECT_EQ(Counter(dlg, "selectedCounter"), QStringLiteral("2"));
    EXPECT_EQ(dlg.SelectionMark(), 1);  // the row after the deleted one
    EXPECT_EQ(SelectedRows(dlg), std::vector<int>{1});

    // Shift+arrows select a run of rows.
    ClickRow(dlg, 0);
    Key(dlg, Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_EQ(SelectedRows(dlg), (std::vector<int>{0, 1}));
    Key(dlg, Qt::Key_Delete);
    EXPECT_EQ(Names(dlg.WorkingList()), std::vector<std::string>{"BBC"});
    EXPECT_EQ(Counter(dlg, "selectedCounter"), QStringLiteral("0"));

    // Delete with the last row selected leaves the new last row selected.
    CCatalogDlg four(kFour);
    ShowWithListFocus(four);
    ClickRow(four, 0);
    ClickRow(four, 3, Qt::ControlModifier);
    EXPECT_EQ(four.SelectedEntries(), (std::vector<std::int32_t>{0, 3}));
    ContextAction(four, QStringLiteral("Delete"))->trigger();
    EXPECT_EQ(Names(four.WorkingList()), (std::vector<std::string>{"eBay", "Amazon"}));
    EXPECT_EQ(four.SelectionMark(), 0);

    Key(four, Qt::Key_A, Qt::ControlModifier);
    Key(four, Qt::Key_Delete);
    EXPECT_EQ(four.WorkingList().Count(), 0);
    EXPECT_EQ(Counter(four, "allItemsCounter"), QStringLiteral("0"));
    EXPECT_EQ(four.SelectionMark(), -1);
    EXPECT_FALSE(four.CanDelete());
    EXPECT_FALSE(ContextAction(four, QStringLiteral("Delete"))->isEnabled());
    EXPECT_FALSE(ContextAction(four, QStringLiteral("Edit..."))->isEnabled());
    four.OnDelete();  // nothing selected: nothing happens
    EXPECT_EQ(four.WorkingList().Count(), 0);
}

TEST(CatalogEdits, MoveTakesTheSelectedRowOnePlaceAndKeepsItSelected)
{
    CCatalogDlg dlg(kFour);
    ShowWithListFocus(dlg);

    // The first row cannot go up, the last cannot go down.
    ClickRow(dlg, 0);
    EXPECT_FALSE(ContextAction(dlg, QStringLiteral("Move Up"))->isEnabled());
    EXPECT_TRUE(ContextAction(dlg, QStringLiteral("Move Down"))->isEnabled());
    Key(dlg, Qt::Key_Up, Qt::AltModifier);
    EXPECT_EQ(dlg.WorkingList(), kFour);
    ClickRow(dlg, 3);
    EXPECT_FALSE(ContextAction(dlg, QStringLiteral("Move Down"))->isEnabled());
    Key(dlg, Qt::Key_Down, Qt::AltModifier);
    EXPECT_EQ(dlg.WorkingList(), kFour);

    // A middle row, up then down past where it was.
    ClickRow(dlg, 2);
    Key(dlg, Qt::Key_Up, Qt::AltModifier);
    EXPECT_EQ(Names(dlg.WorkingList()), (std::vector<std::string>{"Google", "Amazon", "eBay", "BBC"}));
    EXPECT_EQ(dlg.SelectionMark(), 1);
    EXPECT_EQ(SelectedRows(dlg), std::vector<int>{1});
    Key(dlg, Qt::Key_Down, Qt::AltModifier);
    Key(dlg, Qt::Key_Down, Qt::AltModifier);
    EXPECT_EQ(Names(dlg.WorkingList()), (std::vector<std::string>{"Google", "eBay", "BBC", "Amazon"}));
    EXPECT_EQ(dlg.SelectionMark(), 3);
    EXPECT_EQ(Boxes(dlg), (std::vector<bool>{true, false, false, true}));  // the box went with it

    // Two selected rows are not "the selected row".
    ClickRow(dlg, 1, Qt::ControlModifier);
    EXPECT_FALSE(dlg.CanMoveUp());
    EXPECT_FALSE(dlg.CanMoveDown());
    dlg.OnMoveUp();
    EXPECT_EQ(Names(dlg.WorkingList()), (std::vector<std::string>{"Google", "eBay", "BBC", "Amazon"}));
}

TEST(CatalogEdits, MoveAfterASortMovesInTheSortedListThatOkHandsBack)
{
    CCatalogDlg dlg(kFour);
    OnNextModal([&](QWidget*) {
        dlg.Sort(0);  // Amazon, BBC, eBay, Google
        dlg.ListView()->setFocus();
        ClickRow(dlg, 3);
        ContextAction(dlg, QStringLiteral("Move Up"))->trigger();
        ContextAction(dlg, QStringLiteral("Move Up"))->trigger();
        Click(&dlg, "okButton");
    });
    ASSERT_EQ(dlg.exec(), QDialog::Accepted);
    EXPECT_EQ(Names(dlg.WorkingList()), (std::vector<std::string>{"Amazon", "Google", "BBC", "eBay"}));
    EXPECT_TRUE(dlg.SortAscending());
    EXPECT_EQ(dlg.SelectionMark(), 1);
}

TEST(CatalogEdits, AMovedRowStaysInView)
{
    std::vector<SSearch> many;
    for (int i = 0; i < 300; ++i) many.push_back(Engine("e" + std::to_string(i), "", "Other", false, i));
    CCatalogDlg dlg(ListOf(many));
    ShowWithListFocus(dlg);
    ClickRow(dlg, 0);
    dlg.ListView()->scrollToBottom();
    Key(dlg, Qt::Key_Down, Qt::AltModifier);
    const QRect moved = dlg.ListView()->visualRect(dlg.Model()->index(1, 0));
    EXPECT_TRUE(dlg.ListView()->viewport()->rect().contains(moved.center()));
    EXPECT_EQ(dlg.WorkingList().At(1).name, "e0");
}

TEST(CatalogEdits, FilterMatchesEachColumnAndTheAddressIgnoringCase)
{
    CCatalogDlg dlg(ListOf({
        At("Alpha", "xa", "Search", "http://one.example/?q=[keyword]", true),
        At("Beta", "qq", "News", "http://two.example/?q=[keyword]", false),
        At("Gamma", "zz", "Video", "http://three.example/?q=[keyword]", true),
        At("Delta", "dd", "Shopping", "http://four.example/?q=[keyword]", false),
        At("Ärger", "ae", "Other", "http://five.example/?q=[keyword]", false),
    }));
    EXPECT_EQ(dlg.FilterField()->placeholderText(), QStringLiteral("Filter"));
    const struct {
        const char* text;
        std::vector<std::string> names;
    } cases[] = {
        {"ALP", {"Alpha"}},
        {"QQ", {"Beta"}},
        {"vid", {"Gamma"}},
        {"Four.Ex", {"Delta"}},
        {"äR", {"Ärger"}},
        {"RGER", {"Ärger"}},  // ASCII text in a field that is not       {"ta", {"Beta", "Delta"}},
        {"nothing like it", {}},
        {"", {"Alpha", "Beta", "Gamma", "Delta", "Ärger"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        TypeFilter(dlg, QString::fromUtf8(c.text));
        std::vector<std::string> shown;
        for (const std::string& row : Rows(dlg)) shown.push_back(row.substr(0, row.find('|')));
        EXPECT_EQ(shown, c.names);
        EXPECT_EQ(Counter(dlg, "allItemsCounter"), QStringLiteral("5"));
        EXPECT_EQ(Counter(dlg, "selectedCounter"), QStringLiteral("2"));
        // Something visible is always current, so the keys have a row to act on.
        EXPECT_EQ(dlg.SelectionMark() >= 0, !c.names.empty());
    }
}

TEST(CatalogEdits, TickingEditingDeletingAndMovingThroughTheFilterActOnTheRealEntries)
{
    CCatalogDlg dlg(kGreek);
    ShowWithListFocus(dlg);

    TypeFilter(dlg, QStringLiteral("ta"));  // Beta, Delta
    dlg.ListView()->setFocus();
    ClickRow(dlg, 1);
    EXPECT_EQ(dlg.SelectionMark(), 3);
    Key(dlg, Qt::Key_Space);
    EXPECT_TRUE(dlg.WorkingList().At(3).selected);
    EXPECT_FALSE(dlg.WorkingList().At(2).selected == false);  // Gamma untouched

    OnNextModal(
        [](QWidget* w) {
            EXPECT_EQ(w->findChild<QLineEdit*>(QStringLiteral("nameEdit"))->text(), QStringLiteral("Delta"));
            w->findChild<QLineEdit*>(QStringLiteral("nameEdit"))->setText(QStringLiteral("Delta Two"));
            Click(w, "okButton");
        },
        &dlg);
    dlg.OnEdit();
    EXPECT_EQ(Names(dlg.WorkingList()), (std::vector<std::string>{"Alpha", "Beta", "Gamma", "Delta Two"}));

    // One place in the list, past Gamma that the filter hides.
    Key(dlg, Qt::Key_Up, Qt::AltModifier);
    EXPECT_EQ(Names(dlg.WorkingList()), (std::vector<std::string>{"Alpha", "Beta", "Delta Two", "Gamma"}));
    EXPECT_EQ(dlg.SelectionMark(), 2);

    ClickRow(dlg, 0);
    Key(dlg, Qt::Key_Delete);
    EXPECT_EQ(Names(dlg.WorkingList()), (std::vector<std::string>{"Alpha", "Delta Two", "Gamma"}));
    EXPECT_EQ(Rows(dlg), std::vector<std::string>{"Delta Two|dd|Shopping"});
    EXPECT_EQ(Counter(dlg, "allItemsCounter"), QStringLiteral("3"));
    EXPECT_EQ(Counter(dlg, "selectedCounter"), QStringLiteral("3"));

    // Uncheck All reaches the hidden entries too.
    dlg.OnUncheckAll();
    for (const SSearch& s : dlg.WorkingList()) EXPECT_FALSE(s.selected) << s.name;
    EXPECT_EQ(Counter(dlg, "selectedCounter"), QStringLiteral("0"));
}

TEST(CatalogEdits, CtrlFFocusesTheFilterWhoseKeysStayItsOwn)
{
    CCatalogDlg dlg(kGreek);
    ShowWithListFocus(dlg);
    Key(dlg, Qt::Key_F, Qt::ControlModifier);
    EXPECT_TRUE(dlg.FilterField()->hasFocus());

    QTest::keyClicks(dlg.FilterField(), QStringLiteral("abc"));
    Key(dlg, Qt::Key_Home);
    Key(dlg, Qt::Key_Delete);
    Key(dlg, Qt::Key_Down, Qt::AltModifier);
    EXPECT_EQ(dlg.FilterField()->text(), QStringLiteral("bc"));
    EXPECT_EQ(dlg.WorkingList(), kGreek);
}

TEST(CatalogEdits, EscapeClearsAFilterFirstAndThenCancels)
{
    CCatalogDlg dlg(kGreek);
    bool stillOpenAfterFirst = false;
    QString filterAfterFirst;
    int rowsAfterFirst = -1;
    OnNextModal([&](QWidget*) {
        dlg.FilterField()->setFocus();
        QTest::keyClicks(dlg.FilterField(), QStringLiteral("gam"));
        ClickRow(dlg, 0);
        dlg.OnDelete();
        QTest::keyClick(dlg.ListView(), Qt::Key_Escape);  // the filter clears, wherever the focus is
        stillOpenAfterFirst = dlg.isVisible();
        filterAfterFirst = dlg.FilterField()->text();
        rowsAfterFirst = dlg.Model()->rowCount();
        QTest::keyClick(dlg.FilterField(), Qt::Key_Escape);
    });
    EXPECT_EQ(dlg.exec(), QDialog::Rejected);
    EXPECT_TRUE(stillOpenAfterFirst);
    EXPECT_EQ(filterAfterFirst, QString());
    EXPECT_EQ(rowsAfterFirst, 3);
}

TEST(CatalogEdits, RestoreAppendsTheMissingBuiltInsUntickedInTheirOrderOnce)
{
    CEngineList builtIns;
    BuildDefaultCatalog(builtIns);
    CEngineList start = builtIns;
    std::vector<bool> gone(79, false);
    for (const int i : {0, 5, 78}) gone[static_cast<std::size_t>(i)] = true;
    start.RemoveMarked(gone);
    start.At(10).name = "Renamed, same address";

    CCatalogDlg dlg(start);
    EXPECT_TRUE(dlg.CanRestoreBuiltIns());
    dlg.OnRestoreBuiltIns();
    ASSERT_EQ(dlg.WorkingList().Count(), 79);
    for (const auto& [at, builtIn] : {std::pair{76, 0}, std::pair{77, 5}, std::pair{78, 78}}) {
        SSearch expected = builtIns.At(builtIn);
        expected.selected = false;
        expected.extra = 0;
        EXPECT_EQ(dlg.WorkingList().At(at), expected);
    }
    EXPECT_EQ(dlg.WorkingList().At(10).name, "Renamed, same address");
    EXPECT_EQ(dlg.SelectionMark(), 76);
    EXPECT_EQ(Counter(dlg, "allItemsCounter"), QStringLiteral("79"));
    EXPECT_EQ(Counter(dlg, "selectedCounter"), QStringLiteral("11"));  // Google and Google Video came back unticked

    EXPECT_FALSE(dlg.CanRestoreBuiltIns());
    EXPECT_FALSE(ContextAction(dlg, QStringLiteral("Restore Built-in Engines"))->isEnabled());
    const CEngineList once = dlg.WorkingList();
    dlg.OnRestoreBuiltIns();
    EXPECT_EQ(dlg.WorkingList(), once);

    // Deleted after a restore, they come back again.
    CCatalogDlg other(kFour);
    other.OnRestoreBuiltIns();
    EXPECT_EQ(other.WorkingList().Count(), 83);
    EXPECT_EQ(other.WorkingList().At(4).name, "Google");
    EXPECT_EQ(Counter(other, "selectedCounter"), QStringLiteral("2"));
}

}  // namespace
