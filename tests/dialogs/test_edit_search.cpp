// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "DialogTestKit.h"

#include "dialogs/CatalogDlg.h"
#include "dialogs/CatalogModel.h"
#include "dialogs/EditSearch.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

// What the edit dialog showed when it came up.
struct SOpened {
    QString caption;
    QString name, abbreviation, url, group;
    QStringList groups;
    QWidget* focus = nullptr;
    QWidget* ok = nullptr;
};

SOpened Read(QWidget* w)
{
    SOpened o;
    o.caption = w->windowTitle();
    o.name = w->findChild<QLineEdit*>(QStringLiteral("nameEdit"))->text();
    o.abbreviation = w->findChild<QLineEdit*>(QStringLiteral("abbreviationEdit"))->text();
    o.url = w->findChild<QLineEdit*>(QStringLiteral("urlEdit"))->text();
    auto* combo = w->findChild<QComboBox*>(QStringLiteral("groupCombo"));
    o.group = combo->currentText();
    for (int i = 0; i < combo->count(); ++i) o.groups << combo->itemText(i);
    o.focus = w->focusWidget();
    o.ok = w->findChild<QPushButton*>(QStringLiteral("okButton"));
    return o;
}

void Click(QWidget* w, const char* button)
{
    w->findChild<QPushButton*>(QLatin1String(button))->click();
}

void SetText(QWidget* w, const char* box, const QString& text)
{
    w->findChild<QLineEdit*>(QLatin1String(box))->setText(text);
}

// Opens the edit dialog in edit mode on the only row of a catalogue holding
// `entry`, records what it showed and cancels.
SOpened OpenOn(const SSearch& entry)
{
    CCatalogDlg catalog(ListOf({entry}));
    CEditSearch edit(&catalog, CEditSearch::EMode::Edit);
    SOpened opened;
    OnNextModal(
        [&](QWidget* w) {
            opened = Read(w);
            Click(w, "cancelButton");
        },
        &catalog);
    EXPECT_EQ(edit.exec(), QDialog::Rejected);
    return opened;
}

const QStringList kGroups{"Search",   "Shopping",  "News",    "Image",   "Groups", "Code",
                          "Software", "Music",     "Video",   "Finance", "Blogs",  "Books",
                          "Map",      "Translate", "Answers", "Source",  "Photo",  "Other"};

TEST(EditSearch, AddModeStartsEmptyOnOtherAndReturnsANewSelectedRecord)
{
    CEditSearch edit(nullptr, CEditSearch::EMode::Add);
    SOpened opened;
    OnNextModal([&](QWidget* w) {
        opened = Read(w);
        SetText(w, "nameEdit", QStringLiteral("Qwant"));
        SetText(w, "abbreviationEdit", QStringLiteral("qw"));
        SetText(w, "urlEdit", QStringLiteral("https://www.qwant.com/?q=[keyword]"));
        w->findChild<QComboBox*>(QStringLiteral("groupCombo"))->setCurrentIndex(0);
        Click(w, "okButton");
    });
    ASSERT_EQ(edit.exec(), QDialog::Accepted);

    EXPECT_EQ(opened.caption, QStringLiteral("Add Seach Engine"));
    EXPECT_EQ(opened.name, QString());
    EXPECT_EQ(opened.abbreviation, QString());
    EXPECT_EQ(opened.url, QString());
    EXPECT_EQ(opened.group, QStringLiteral("Other"));
    EXPECT_EQ(opened.groups, kGroups);
    EXPECT_EQ(opened.focus, opened.ok);

    EXPECT_EQ(edit.Record(), (SSearch{"Qwant", "https://www.qwant.com/?q=[keyword]", "qw", "Search", true, 0, ""}));
}

TEST(EditSearch, EditModeShowsTheEntryAndPicksItsGroup)
{
    const struct {
        const char* group;
        const char* shown;
    } cases[] = {
        {"Music", "Music"},   {"music", "Music"},  // case does not matter
        {"Mu", "Music"},                           // a prefix of an item selects it
        {"", "Other"},                             // an empty group matches nothing
        {"Games", "Other"},                        // not in the list
        {"Musical", "Other"},                      // longer than the item: no prefix of it
        {"S", "Shopping"},                         // the search starts at the second item...
        {"Se", "Search"},                          // ...and wraps round to the first
        {"b", "Blogs"},                            // first match in list order
        {"o", "Other"},       {"Translate", "Translate"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.group);
        const SOpened opened = OpenOn(Engine("Yahoo Audio", "ym", c.group));
        EXPECT_EQ(opened.group, QString::fromUtf8(c.shown));
        EXPECT_EQ(opened.caption, QStringLiteral("Edit "));
        EXPECT_EQ(opened.name, QStringLiteral("Yahoo Audio"));
        EXPECT_EQ(opened.abbreviation, QStringLiteral("ym"));
        EXPECT_EQ(opened.url, QStringLiteral("http://example.org/?q=[keyword]"));
        EXPECT_EQ(opened.focus, opened.ok);
    }
}

TEST(EditSearch, BlankNameWarnsOnceAndStillEndsWithOk)
{
    const struct {
        const char* name;
        bool warns;
    } cases[] = {
        {"", true}, {"   ", true}, {"\r\n", true}, {" \r \n ", true}, {"\t", false}, {" x ", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(std::string(c.name)));
        CEditSearch edit(nullptr, CEditSearch::EMode::Add);
        MessageCatcher messages;
        OnNextModal([&](QWidget* w) {
            SetText(w, "nameEdit", QString::fromUtf8(c.name));
            Click(w, "okButton");
        });
        ASSERT_EQ(edit.exec(), QDialog::Accepted);
        EXPECT_EQ(edit.Record().name, c.name);  // kept as typed, never trimmed
        const std::vector<SShownMessage>& shown = messages.Shown();
        if (!c.warns) {
            EXPECT_TRUE(shown.empty());
            continue;
        }
        ASSERT_EQ(shown.size(), 1u);
        EXPECT_EQ(shown[0].text, QStringLiteral("Empty Serch Name"));
        EXPECT_EQ(shown[0].icon, QMessageBox::Warning);
        EXPECT_EQ(shown[0].title, QStringLiteral("test_dialogs"));
        EXPECT_TRUE(shown[0].ok);
    }
}

TEST(EditSearch, EditThroughCatalogReplacesFieldsAndKeepsSelectedAndExtra)
{
    const SSearch before = Engine("Yahoo Audio", "ym", "Music", false, 42);
    CCatalogDlg catalog(ListOf({Engine("Google", "g", "Search"), before}));
    catalog.ListView()->setCurrentIndex(catalog.Model()->index(1, 0));

    OnNextModal(
        [](QWidget* w) {
            SetText(w, "nameEdit", QStringLiteral("Yahoo Music"));
            SetText(w, "abbreviationEdit", QStringLiteral("ymu"));
            SetText(w, "urlEdit", QStringLiteral("https://music.example.org/?q=[keyword]"));
            w->findChild<QComboBox*>(QStringLiteral("groupCombo"))->setCurrentText(QStringLiteral("Video"));
            Click(w, "okButton");
        },
        &catalog);
    catalog.OnEdit();

    const SSearch after = catalog.WorkingList().At(1);
    EXPECT_EQ(after, (SSearch{"Yahoo Music", "https://music.example.org/?q=[keyword]", "ymu", "Video", false, 42, ""}));
    EXPECT_EQ(catalog.WorkingList().At(0).name, "Google");
    EXPECT_EQ(catalog.SelectionMark(), 1);
}

TEST(EditSearch, CancelAfterChangingEveryBoxChangesNothing)
{
    const CEngineList source = ListOf({Engine("Google", "g", "Search", true, 7)});
    CCatalogDlg catalog(source);
    OnNextModal(
        [](QWidget* w) {
            SetText(w, "nameEdit", QStringLiteral("changed"));
            SetText(w, "abbreviationEdit", QStringLiteral("c"));
            SetText(w, "urlEdit", QStringLiteral("changed"));
            w->findChild<QComboBox*>(QStringLiteral("groupCombo"))->setCurrentIndex(3);
            QTest::keyClick(w, Qt::Key_Escape);
        },
        &catalog);
    catalog.OnEdit();
    EXPECT_EQ(catalog.WorkingList(), source);
}

TEST(EditSearch, EditWithoutAValidRowIsRefusedBeforeTheDialogShows)
{
    const CEngineList source = ListOf({Engine("Google", "g", "Search")});
    CCatalogDlg catalog(source);
    catalog.ListView()->setCurrentIndex(QModelIndex());
    ASSERT_EQ(catalog.SelectionMark(), -1);

    MessageCatcher messages;
    // Should the dialog show after all, close it rather than hang.
    ModalRefuser<CEditSearch> refuser;
    CEditSearch edit(&catalog, CEditSearch::EMode::Edit);
    EXPECT_EQ(edit.exec(), QDialog::Rejected);
    EXPECT_FALSE(refuser.Shown());
    const std::vector<SShownMessage>& shown = messages.Shown();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].text, QStringLiteral("An invalid argument was encountered."));
    EXPECT_EQ(catalog.WorkingList(), source);
}

}  // namespace
