// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "CatalogTestKit.h"
#include "DialogTestKit.h"

#include "dialogs/CatalogDlg.h"
#include "dialogs/CatalogModel.h"
#include "dialogs/EditSearch.h"
#include "dialogs/SimpleLink.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>

#include <algorithm>
#include <random>

namespace {

const CEngineList kFour = ListOf({
    Engine("Google", "g", "Search", true, 1),
    Engine("eBay", "e", "Shopping", false, 2),
    Engine("Amazon", "a", "Shopping", true, 3),
    Engine("BBC", "bbc", "News", false, 4),
});

TEST(CatalogDlg, OpensWithTheListRowZeroCurrentAndCounters)
{
    CCatalogDlg dlg(kFour);
    EXPECT_EQ(dlg.windowTitle(), QStringLiteral("Catalog"));
    EXPECT_EQ(Rows(dlg),
              (std::vector<std::string>{"Google|g|Search", "eBay|e|Shopping", "Amazon|a|Shopping", "BBC|bbc|News"}));
    EXPECT_EQ(Boxes(dlg), (std::vector<bool>{true, false, true, false}));
    EXPECT_EQ(Counter(dlg, "allItemsCounter"), QStringLiteral("4"));
    EXPECT_EQ(Counter(dlg, "selectedCounter"), QStringLiteral("2"));
    EXPECT_EQ(dlg.SelectionMark(), 0);
    EXPECT_TRUE(dlg.ListView()->selectionModel()->isRowSelected(0, QModelIndex()));
    EXPECT_EQ(dlg.focusWidget(), dlg.ListView());
    EXPECT_FALSE(dlg.SortAscending());
    EXPECT_EQ(dlg.SortColumn(), 0);

    const int w = dlg.ListView()->width();
    EXPECT_EQ(dlg.ListView()->columnWidth(0), w / 2);
    EXPECT_EQ(dlg.ListView()->columnWidth(1), w / 6);
    EXPECT_EQ(dlg.ListView()->columnWidth(2), w / 4);
    EXPECT_FALSE(dlg.ListView()->isSortingEnabled());
    EXPECT_TRUE(dlg.findChild<QPushButton*>(QStringLiteral("addButton"))->isHidden());
    EXPECT_TRUE(dlg.findChild<QPushButton*>(QStringLiteral("editButton"))->isHidden());
}

TEST(CatalogDlg, EmptyListHasNoRowsRefusesEditAndStillFlipsTheSortDirection)
{
    CCatalogDlg dlg{CEngineList()};
    EXPECT_EQ(dlg.Model()->rowCount(), 0);
    EXPECT_EQ(Counter(dlg, "allItemsCounter"), QStringLiteral("0"));
    EXPECT_EQ(Counter(dlg, "selectedCounter"), QStringLiteral("0"));
    EXPECT_EQ(dlg.SelectionMark(), -1);

    {
        MessageCatcher messages;
        Click(&dlg, "editButton");  // hidden, but its command works
        ASSERT_EQ(messages.Shown().size(), 1u);
        EXPECT_EQ(messages.Shown()[0].text, QStringLiteral("An invalid argument was encountered."));
    }
    EXPECT_EQ(dlg.WorkingList().Count(), 0);

    const struct {
        int column;
        bool ascending;
    } clicks[] = {{0, true}, {0, false}, {0, true}, {2, true}, {2, false}, {1, true}};
    for (const auto& c : clicks) {
        dlg.Sort(c.column);
        EXPECT_EQ(dlg.SortColumn(), c.column);
        EXPECT_EQ(dlg.SortAscending(), c.ascending);
    }
    EXPECT_EQ(dlg.Model()->rowCount(), 0);
}

TEST(CatalogDlg, OneEntryFlipsDirectionAndStaysPut)
{
    const CEngineList one = ListOf({Engine("Google", "g", "Search", false, 9)});
    CCatalogDlg dlg(one);
    dlg.Sort(0);
    EXPECT_TRUE(dlg.SortAscending());
    dlg.Sort(0);
    EXPECT_FALSE(dlg.SortAscending());
    EXPECT_EQ(dlg.WorkingList(), one);
    EXPECT_EQ(Rows(dlg), (std::vector<std::string>{"Google|g|Search"}));
}

TEST(CatalogDlg, HeaderClicksSortByColumnAndFlipDirection)
{
    CCatalogDlg dlg(kFour);
    dlg.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dlg));

    ClickHeader(dlg, 0);
    EXPECT_EQ(Names(dlg.WorkingList()), (std::vector<std::string>{"Amazon", "BBC", "eBay", "Google"}));
    EXPECT_EQ(Rows(dlg)[0], "Amazon|a|Shopping");
    ClickHeader(dlg, 0);
    EXPECT_EQ(Names(dlg.WorkingList()), (std::vector<std::string>{"Google", "eBay", "BBC", "Amazon"}));
    // Another column starts ascending again; equal groups keep their order.
    ClickHeader(dlg, 2);
    EXPECT_TRUE(dlg.SortAscending());
    EXPECT_EQ(Names(dlg.WorkingList()), (std::vector<std::string>{"BBC", "Google", "eBay", "Amazon"}));
    ClickHeader(dlg, 1);
    EXPECT_EQ(Names(dlg.WorkingList()), (std::vector<std::string>{"Amazon", "BBC", "eBay", "Google"}));

    // Whole records moved, flags and boxes with them.
    for (const SSearch& s : dlg.WorkingList()) {
        const auto source =
            std::find_if(kFour.begin(), kFour.end(), [&](const SSearch& k) { return k.name == s.name; });
        EXPECT_EQ(s, *source);
    }
    EXPECT_EQ(Boxes(dlg), (std::vector<bool>{true, false, false, true}));
}

TEST(CatalogDlg, KeysEqualButForCaseOrWhollyEqualKeepTheirOrder)
{
    const CEngineList list = ListOf({
        Engine("yahoo", "y", "News", true, 0),
        Engine("Yahoo", "Y", "Search", true, 1),
        Engine("YAHOO", "y", "news", true, 2),
        Engine("Ask", "y", "NEWS", true, 3),
    });
    const auto extras = [](const CEngineList& l) {
        std::vector<int> v;
        for (const SSearch& s : l) v.push_back(s.extra);
        return v;
    };
    const struct {
        int column;
        std::vector<int> ascending;
        std::vector<int> descending;
    } cases[] = {
        {0, {3, 0, 1, 2}, {0, 1, 2, 3}},
        {1, {0, 1, 2, 3}, {0, 1, 2, 3}},
        {2, {0, 2, 3, 1}, {1, 0, 2, 3}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.column);
        CCatalogDlg dlg(list);
        dlg.Sort(c.column);
        EXPECT_EQ(extras(dlg.WorkingList()), c.ascending);
        dlg.Sort(c.column);
        EXPECT_EQ(extras(dlg.WorkingList()), c.descending);
    }
}

TEST(CatalogDlg, AddAppendsAtTheEndEvenWhenSorted)
{
    CCatalogDlg dlg(kFour);
    dlg.Sort(0);
    AddThroughDialog(dlg, QStringLiteral("AAA first by name"), QStringLiteral("Video"));
    ASSERT_EQ(dlg.WorkingList().Count(), 5);
    const SSearch& added = dlg.WorkingList().At(4);
    EXPECT_EQ(added.name, "AAA first by name");
    EXPECT_EQ(added.group, "Video");
    EXPECT_TRUE(added.selected);
    EXPECT_EQ(added.extra, 0);
    EXPECT_EQ(Rows(dlg).back(), "AAA first by name||Video");
    EXPECT_EQ(Counter(dlg, "allItemsCounter"), QStringLiteral("5"));
    EXPECT_EQ(Counter(dlg, "selectedCounter"), QStringLiteral("3"));
    EXPECT_EQ(dlg.SelectionMark(), 4);
    EXPECT_EQ(Names(dlg.WorkingList())[0], "Amazon");  // the rest stays sorted
}

TEST(CatalogDlg, AddWithBlankNameWarnsAndAppendsAnyway)
{
    CCatalogDlg dlg(kFour);
    MessageCatcher messages;
    AddThroughDialog(dlg, QStringLiteral("  "), QStringLiteral("Other"));
    ASSERT_EQ(messages.Shown().size(), 1u);
    EXPECT_EQ(messages.Shown()[0].text, QStringLiteral("Empty Serch Name"));
    ASSERT_EQ(dlg.WorkingList().Count(), 5);
    EXPECT_EQ(dlg.WorkingList().At(4).name, "  ");
}

TEST(CatalogDlg, AddCancelledChangesNothing)
{
    CCatalogDlg dlg(kFour);
    OnNextModal(
        [](QWidget* w) {
            w->findChild<QLineEdit*>(QStringLiteral("nameEdit"))->setText(QStringLiteral("x"));
            Click(w, "cancelButton");
        },
        &dlg);
    Click(&dlg, "addButton");
    EXPECT_EQ(dlg.WorkingList(), kFour);
}

TEST(CatalogDlg, UncheckAllThenCancelLeavesTheSourceAsItWas)
{
    CEngineList source = kFour;
    CCatalogDlg dlg(source);
    std::vector<bool> boxesAfterUncheck;
    QString selectedAfterUncheck;
    OnNextModal([&](QWidget*) {
        QTest::mouseClick(dlg.findChild<CSimpleLink*>(QStringLiteral("uncheckAllLink")), Qt::LeftButton);
        boxesAfterUncheck = Boxes(dlg);
        selectedAfterUncheck = Counter(dlg, "selectedCounter");
        Click(&dlg, "cancelButton");
    });
    EXPECT_EQ(dlg.exec(), QDialog::Rejected);
    EXPECT_EQ(boxesAfterUncheck, std::vector<bool>(4, false));
    EXPECT_EQ(selectedAfterUncheck, QStringLiteral("0"));
    EXPECT_EQ(Counter(dlg, "allItemsCounter"), QStringLiteral("4"));
    EXPECT_EQ(source, kFour);
}

TEST(CatalogDlg, OkHandsBackTheListAsTheBoxesLeaveIt)
{
    {
        CCatalogDlg dlg(kFour);
        OnNextModal([](QWidget* w) { Click(w, "okButton"); });
        ASSERT_EQ(dlg.exec(), QDialog::Accepted);
        EXPECT_EQ(dlg.WorkingList(), kFour);
    }
    {
        CCatalogDlg dlg(kFour);
        OnNextModal([&](QWidget*) {
            CCatalogModel* model = dlg.Model();
            model->setData(model->index(0, 0), Qt::Unchecked, Qt::CheckStateRole);
            model->setData(model->index(3, 0), Qt::Checked, Qt::CheckStateRole);
            QTest::keyClick(dlg.ListView(), Qt::Key_Return);  // the default button is OK
        });
        ASSERT_EQ(dlg.exec(), QDialog::Accepted);
        CEngineList expected = kFour;
        expected.At(0).selected = false;
        expected.At(3).selected = true;
        EXPECT_EQ(dlg.WorkingList(), expected);
    }
}

TEST(CatalogDlg, BoxesTickedByHandSurviveSortAndAdd)
{
    CCatalogDlg dlg(kFour);
    CCatalogModel* model = dlg.Model();
    model->setData(model->index(1, 0), Qt::Checked, Qt::CheckStateRole);  // eBay
    EXPECT_EQ(Counter(dlg, "selectedCounter"), QStringLiteral("2"));      // counters follow refills only
    dlg.Sort(0);
    AddThroughDialog(dlg, QStringLiteral("Zed"), QStringLiteral("Other"));
    EXPECT_EQ(Names(dlg.WorkingList()), (std::vector<std::string>{"Amazon", "BBC", "eBay", "Google", "Zed"}));
    EXPECT_EQ(Boxes(dlg), (std::vector<bool>{true, false, true, true, true}));
    EXPECT_EQ(Counter(dlg, "selectedCounter"), QStringLiteral("4"));
}

TEST(CatalogDlg, SpaceTogglesTheCurrentRowsBoxFromAnyColumn)
{
    CCatalogDlg dlg(kFour);
    dlg.ListView()->setCurrentIndex(dlg.Model()->index(1, 2));
    QTest::keyClick(dlg.ListView(), Qt::Key_Space);
    EXPECT_EQ(Boxes(dlg), (std::vector<bool>{true, true, true, false}));
    QTest::keyClick(dlg.ListView(), Qt::Key_Space);
    EXPECT_EQ(Boxes(dlg), (std::vector<bool>{true, false, true, false}));
    EXPECT_TRUE(dlg.WorkingList() == kFour);
}

TEST(CatalogDlg, DoubleClickOnARowEditsThatRow)
{
    CCatalogDlg dlg(kFour);
    dlg.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dlg));
    QString shownName;
    OnNextModal(
        [&](QWidget* w) {
            shownName = w->findChild<QLineEdit*>(QStringLiteral("nameEdit"))->text();
            w->findChild<QLineEdit*>(QStringLiteral("nameEdit"))->setText(QStringLiteral("BBC News"));
            Click(w, "okButton");
        },
        &dlg);
    const QRect row3 = dlg.ListView()->visualRect(dlg.Model()->index(3, 1));
    QTest::mouseDClick(dlg.ListView()->viewport(), Qt::LeftButton, {}, row3.center());
    EXPECT_EQ(shownName, QStringLiteral("BBC"));
    EXPECT_EQ(dlg.WorkingList().At(3).name, "BBC News");
    EXPECT_EQ(dlg.SelectionMark(), 3);
}

TEST(CatalogDlg, DoubleClickOnACheckBoxTogglesAndDoesNotEdit)
{
    CCatalogDlg dlg(kFour);
    dlg.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dlg));
    QWidget* viewport = dlg.ListView()->viewport();
    const QRect cell = dlg.ListView()->visualRect(dlg.Model()->index(2, 0));

    // Find the box the way a user does: the first spot whose click ticks it.
    std::vector<bool> boxes = Boxes(dlg);
    int boxX = -1;
    for (int x = cell.left(); x < cell.left() + 40 && boxX < 0; ++x) {
        QTest::mouseClick(viewport, Qt::LeftButton, {}, QPoint(x, cell.center().y()), 300);
        if (Boxes(dlg) != boxes) boxX = x;
    }
    ASSERT_GE(boxX, 0);
    QTest::mouseClick(viewport, Qt::LeftButton, {}, QPoint(boxX, cell.center().y()), 300);
    ASSERT_EQ(Boxes(dlg), boxes);

    ModalRefuser<CEditSearch> refuser;
    QTest::mouseDClick(viewport, Qt::LeftButton, {}, QPoint(boxX, cell.center().y()));
    EXPECT_FALSE(refuser.Shown());
    EXPECT_EQ(dlg.WorkingList().At(2).name, "Amazon");
}

TEST(CatalogDlg, ContextMenuInItsOrderWithShortcutsAndDisabledEntries)
{
    const QStringList texts{QStringLiteral("Add..."),
                            QStringLiteral("Edit..."),
                            QStringLiteral("Delete"),
                            QStringLiteral("---"),
                            QStringLiteral("Move Up"),
                            QStringLiteral("Move Down"),
                            QStringLiteral("---"),
                            QStringLiteral("Restore Built-in Engines"),
                            QStringLiteral("Update Built-in Engines..."),
                            QStringLiteral("Import...")};
    const QStringList shortcuts{QStringLiteral("Ins"),
                                QStringLiteral("F2"),
                                QStringLiteral("Del"),
                                QString(),
                                QStringLiteral("Alt+Up"),
                                QStringLiteral("Alt+Down"),
                                QString(),
                                QString(),
                                QString(),
                                QString()};
    for (const bool withRow : {true, false}) {
        SCOPED_TRACE(withRow);
        CCatalogDlg dlg(withRow ? kFour : CEngineList());
        dlg.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&dlg));
        QStringList shownTexts;
        QStringList shownShortcuts;
        std::vector<bool> enabled;
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, [&] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            if (!menu) return;
            for (QAction* a : menu->actions()) {
                shownTexts << (a->isSeparator() ? QStringLiteral("---") : a->text());
                shownShortcuts << a->shortcut().toString();
                if (!a->isSeparator()) {
                    enabled.push_back(a->isEnabled());
                    EXPECT_TRUE(a->isShortcutVisibleInContextMenu());
                }
            }
            menu->close();
        });
        poll.start(2);
        emit dlg.ListView()->customContextMenuRequested(QPoint(20, 10));
        EXPECT_EQ(shownTexts, texts);
        EXPECT_EQ(shownShortcuts, shortcuts);
        // Row 0 is selected: it can be edited, deleted and moved down, not up.
        // None of the four is a built-in engine, so there is something to restore
        // and nothing to update. Import is always there.
        EXPECT_EQ(enabled, (std::vector<bool>{true, withRow, withRow, false, withRow, true, false, true}));
    }
}

// The plain exchange sort the catalogue's sorting must agree with.
int CompareBytes(const std::string& a, const std::string& b)
{
    const std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        const auto x = static_cast<unsigned char>(a[i]);
        const auto y = static_cast<unsigned char>(b[i]);
        if (x != y) return x < y ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

std::string Lower(std::string s)
{
    for (char& c : s) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + ('a' - 'A'));
    }
    return s;
}

std::vector<SSearch> ExchangeSort(const std::vector<SSearch>& v, int column, bool ascending)
{
    // Exchanges positions only; the keys are lower-cased once up front.
    std::vector<std::string> keys;
    for (const SSearch& s : v) keys.push_back(Lower(column == 0 ? s.name : column == 1 ? s.abbreviation : s.group));
    std::vector<std::size_t> at(v.size());
    for (std::size_t i = 0; i < at.size(); ++i) at[i] = i;
    for (bool exchanged = at.size() >= 2; exchanged;) {
        exchanged = false;
        for (std::size_t i = 0; i + 1 < at.size(); ++i) {
            const int c = CompareBytes(keys[at[i]], keys[at[i + 1]]);
            if (ascending ? c > 0 : c < 0) {
                std::swap(at[i], at[i + 1]);
                exchanged = true;
            }
        }
    }
    std::vector<SSearch> out;
    for (const std::size_t i : at) out.push_back(v[i]);
    return out;
}

TEST(CatalogDlg, SortingAgreesWithAnExchangeSortOnARandomList)
{
    // Short keys over a small alphabet give many ties, case-only differences
    // and bytes above 127.
    std::mt19937 random(20240611);
    const std::string alphabet = "aAbBzZ_0~\x80\xC3\xA9 ";
    std::uniform_int_distribution<std::size_t> length(0, 3), letter(0, alphabet.size() - 1);
    const auto word = [&] {
        std::string w(length(random), ' ');
        for (char& c : w) c = alphabet[letter(random)];
        return w;
    };
    std::vector<SSearch> records;
    for (int i = 0; i < 2000; ++i) records.push_back(Engine(word(), word(), word(), i % 3 == 0, i));
    const CEngineList source = ListOf(records);

    for (int column = 0; column < 3; ++column) {
        SCOPED_TRACE(column);
        CCatalogDlg dlg(source);
        dlg.Sort(column);
        const std::vector<SSearch> ascending = ExchangeSort(records, column, true);
        EXPECT_EQ(dlg.WorkingList(), ListOf(ascending));
        dlg.Sort(column);
        EXPECT_EQ(dlg.WorkingList(), ListOf(ExchangeSort(ascending, column, false)));
    }
}

}  // namespace
