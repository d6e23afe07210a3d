// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The import dialog on a home made by the test: sources with their counts,
// default ticks, "already there", OpenSearch files, and what OK hands over.
#include "common/ImportHome.h"
#include "dialogs/CatalogDlg.h"
#include "dialogs/DialogTestKit.h"
#include "dialogs/ImportDlg.h"
#include "import/ImportFixtures.h"

#include <QLabel>
#include <QListWidget>
#include <QTest>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <algorithm>

namespace {

std::vector<QString> SourceRows(const CImportDlg& dlg)
{
    std::vector<QString> rows;
    for (int i = 0; i < dlg.SourceList()->count(); ++i) rows.push_back(dlg.SourceList()->item(i)->text());
    return rows;
}

struct SRowShown {
    QString name;
    QString keyword;
    bool ticked;
    bool enabled;
    bool operator==(const SRowShown&) const = default;
};

std::vector<SRowShown> Checklist(const CImportDlg& dlg)
{
    std::vector<SRowShown> rows;
    QTreeWidget* list = dlg.Checklist();
    for (int i = 0; i < list->topLevelItemCount(); ++i) {
        QTreeWidgetItem* item = list->topLevelItem(i);
        rows.push_back({item->text(CImportDlg::kColumnName), item->text(CImportDlg::kColumnKeyword),
                        item->checkState(CImportDlg::kColumnName) == Qt::Checked,
                        (item->flags() & Qt::ItemIsEnabled) != 0});
    }
    return rows;
}

std::vector<std::string> Field(const std::vector<SSearch>& engines, std::string SSearch::*field)
{
    std::vector<std::string> out;
    for (const SSearch& s : engines) out.push_back(s.*field);
    return out;
}

class ImportDlgTest : public ::testing::Test {
protected:
    void SetUp() override { MakeSampleHome(m_home.Path()); }
    std::vector<SImportSource> Sources() const { return FindImportSources(SImportPlaces::FromEnvironment()); }

    ImportHome m_home;
};

TEST_F(ImportDlgTest, SourcesWithCountsOrWhyNotAndOpenSearchLast)
{
    CImportDlg dlg(CEngineList{}, Sources());
    const std::vector<QString> rows = SourceRows(dlg);
    ASSERT_EQ(rows.size(), 5u);
    EXPECT_EQ(rows[0], QStringLiteral("Firefox \u2014 3 engines"));
    EXPECT_TRUE(rows[1].startsWith(QStringLiteral("Chromium \u2014 unreadable: Web Data: "))) << rows[1].toStdString();
    EXPECT_EQ(rows[2], QStringLiteral("Google Chrome \u2014 2 engines"));
    EXPECT_EQ(rows[3], QStringLiteral("KDE \u2014 1 engine"));
    EXPECT_EQ(rows[4], QStringLiteral("OpenSearch file..."));

    // The first source is shown at once: the user's keywords are ticked.
    EXPECT_EQ(Checklist(dlg),
              (std::vector<SRowShown>{
                  {"Work Wiki", "wk", true, true}, {"Site again", "dup", true, true}, {"Added", "fxa", true, true}}));
    dlg.ChooseSource(1);
    EXPECT_TRUE(Checklist(dlg).empty());
    EXPECT_TRUE(dlg.Note()->text().startsWith(QStringLiteral("Unreadable: Web Data: ")));
    dlg.ChooseSource(2);
    // The browser's own engine is listed but not ticked.
    EXPECT_EQ(Checklist(dlg),
              (std::vector<SRowShown>{{"Google", "google.com", false, true}, {"Site", "si", true, true}}));
    SaveShot(&dlg, QStringLiteral("import"));
}

TEST_F(ImportDlgTest, TemplatesTheCatalogHoldsAreMarkedAndNeverGivenTwice)
{
    SSearch wiki;
    wiki.name = "My wiki";
    wiki.url = kSampleFirefoxKeywordUrl;
    SSearch bugs = Engine("Bug tracker", "KB", "Code");
    CImportDlg dlg(ListOf({wiki, bugs}), Sources());
    EXPECT_EQ(Checklist(dlg)[0], (SRowShown{"Work Wiki (already there)", "wk", false, false}));
    // A keyword the catalogue already answers to is marked, not refused.
    dlg.ChooseSource(3);
    EXPECT_EQ(Checklist(dlg), (std::vector<SRowShown>{{"KDE Bugs", "kb (in use)", true, true}}));
    EXPECT_EQ(dlg.Checklist()->topLevelItem(0)->toolTip(CImportDlg::kColumnKeyword).toStdString(),
              "\"Bug tracker\" in the catalogue has this abbreviation and comes first.");

    // Firefox's "dup" and Chrome's "Site" share a template: the first source's one comes over.
    const std::vector<SSearch> chosen = dlg.ChosenEngines();
    EXPECT_EQ(Field(chosen, &SSearch::name), (std::vector<std::string>{"Site again", "Added", "KDE Bugs"}));
    EXPECT_EQ(Field(chosen, &SSearch::abbreviation), (std::vector<std::string>{"dup", "fxa", "kb"}));
    EXPECT_EQ(Field(chosen, &SSearch::group), (std::vector<std::string>{"Firefox", "Firefox", "KDE"}));
    EXPECT_EQ(chosen[0].url, kSampleChromeUserUrl);
    for (const SSearch& s : chosen) EXPECT_FALSE(s.selected);
}

TEST_F(ImportDlgTest, TicksChangedByHandAreKeptAcrossSources)
{
    CImportDlg dlg(CEngineList{}, Sources());
    dlg.Checklist()->topLevelItem(2)->setCheckState(CImportDlg::kColumnName, Qt::Unchecked);  // Added
    dlg.ChooseSource(2);
    dlg.Checklist()->topLevelItem(0)->setCheckState(CImportDlg::kColumnName, Qt::Checked);  // Google
    dlg.ChooseSource(0);
    EXPECT_FALSE(Checklist(dlg)[2].ticked);
    EXPECT_EQ(Field(dlg.ChosenEngines(), &SSearch::name),
              (std::vector<std::string>{"Work Wiki", "Site again", "Google", "KDE Bugs"}));
    EXPECT_EQ(dlg.ChosenEngines()[2].url, "https://www.google.com/search?q=[keyword]");
    EXPECT_EQ(dlg.ChosenEngines()[2].group, "Google Chrome");
}

TEST_F(ImportDlgTest, OpenSearchFilesBecomeSourcesBeforeTheLastRow)
{
    const fs::path good = m_home.Path() / "engine.xml";
    WriteText(good,
              "<OpenSearchDescription xmlns=\"urn:opensearch:1.1\"><ShortName>Docs</ShortName>"
              "<Url type=\"text/html\" template=\"https://docs.example.org/?q={searchTerms}&amp;p={startPage?}\"/>"
              "</OpenSearchDescription>");
    const fs::path post = m_home.Path() / "post.xml";
    WriteText(post,
              "<OpenSearchDescription><ShortName>P</ShortName>"
              "<Url type=\"text/html\" method=\"POST\" template=\"https://p.example.org/\"/></OpenSearchDescription>");

    CImportDlg dlg(CEngineList{}, {});
    ASSERT_EQ(SourceRows(dlg), std::vector<QString>{QStringLiteral("OpenSearch file...")});
    QString next;
    dlg.SetFileChooser([&](QWidget*) { return next; });
    dlg.OnOpenSearchFile();  // the file dialog cancelled
    EXPECT_EQ(dlg.SourceList()->count(), 1);

    next = QString::fromStdString(good.string());
    dlg.OnOpenSearchFile();
    next = QString::fromStdString(post.string());
    dlg.OnOpenSearchFile();
    EXPECT_EQ(SourceRows(dlg), (std::vector<QString>{QStringLiteral("OpenSearch (engine.xml) \u2014 1 engine"),
                                                     QStringLiteral("OpenSearch (post.xml) \u2014 0 engines"),
                                                     QStringLiteral("OpenSearch file...")}));
    EXPECT_EQ(dlg.Note()->text(), QStringLiteral("1 engine skipped: sends the query by POST"));
    const std::vector<SSearch> chosen = dlg.ChosenEngines();
    ASSERT_EQ(chosen.size(), 1u);
    EXPECT_EQ(chosen[0].url, "https://docs.example.org/?q=[keyword]&p=1");
    EXPECT_EQ(chosen[0].group, "OpenSearch");
    EXPECT_EQ(chosen[0].abbreviation, "");
}

// Enter or Space on "OpenSearch file..." opens the chooser once and leaves the
// dialog open, chosen file or not; Enter elsewhere is still the dialog's OK.
TEST_F(ImportDlgTest, EnterOrSpaceOnOpenSearchFileOpensTheChooserAndKeepsTheDialog)
{
    const fs::path good = m_home.Path() / "engine.xml";
    WriteText(
        good,
        "<OpenSearchDescription><ShortName>Docs</ShortName>"
        "<Url type=\"text/html\" template=\"https://docs.example.org/?q={searchTerms}\"/></OpenSearchDescription>");
    CImportDlg dlg(CEngineList{}, Sources());
    int asked = 0;
    QString next;
    dlg.SetFileChooser([&](QWidget*) {
        ++asked;
        return next;
    });
    dlg.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dlg));
    QListWidget* sources = dlg.SourceList();
    sources->setFocus();
    const int last = sources->count() - 1;
    sources->setCurrentRow(last);

    QTest::keyClick(sources, Qt::Key_Return);
    EXPECT_EQ(asked, 1);
    EXPECT_TRUE(dlg.isVisible());
    next = QString::fromStdString(good.string());
    sources->setCurrentRow(last);
    QTest::keyClick(sources, Qt::Key_Space);
    EXPECT_EQ(asked, 2);
    EXPECT_TRUE(dlg.isVisible());
    EXPECT_EQ(dlg.SourceList()->count(), last + 2);  // the file is a source now, and shown
    EXPECT_EQ(sources->currentRow(), last);
    EXPECT_EQ(dlg.Checklist()->topLevelItemCount(), 1);

    sources->setCurrentRow(0);
    QTest::keyClick(sources, Qt::Key_Return);
    EXPECT_EQ(asked, 2);
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
}

TEST_F(ImportDlgTest, TheCatalogAppendsTheImportUnselectedAndCancelOfTheImportAddsNothing)
{
    CCatalogDlg catalog(ListOf({Engine("Google", "g", "Search")}));
    OnNextDialog<CImportDlg>([](CImportDlg* dlg) { dlg->reject(); }, &catalog);
    catalog.OnImport();
    EXPECT_EQ(catalog.WorkingList().Count(), 1);

    OnNextDialog<CImportDlg>([](CImportDlg* dlg) { dlg->accept(); }, &catalog);
    catalog.OnImport();
    // Chrome's "Site" has the template of Firefox's "Site again" and stays out.
    EXPECT_EQ(Names(catalog.WorkingList()),
              (std::vector<std::string>{"Google", "Work Wiki", "Site again", "Added", "KDE Bugs"}));
    for (int i = 1; i < catalog.WorkingList().Count(); ++i) EXPECT_FALSE(catalog.WorkingList().At(i).selected);
    EXPECT_EQ(catalog.SelectionMark(), 1);

    // A second import finds everything there already.
    OnNextDialog<CImportDlg>(
        [](CImportDlg* dlg) {
            for (const SRowShown& row : Checklist(*dlg)) EXPECT_FALSE(row.ticked) << row.name.toStdString();
            dlg->accept();
        },
        &catalog);
    catalog.OnImport();
    EXPECT_EQ(catalog.WorkingList().Count(), 5);
}

TEST(ImportDlgRealFiles, PolicyAndSiteEnginesSayWhatTheyAreAndTheCharsetComesAlong)
{
    ImportHome home;
    const fs::path profile = home.Path() / ".config/chromium/Default";
    fs::create_directories(profile);
    fs::copy_file(fs::path(LUMORA_IMPORT_FIXTURES) / "chromium/Default/Web Data", profile / "Web Data");
    CImportDlg dlg(CEngineList{}, FindImportSources(SImportPlaces::FromEnvironment()));
    dlg.ChooseSource(0);
    const std::vector<SRowShown> rows = Checklist(dlg);
    auto row = [&](const QString& name) {
        const auto it = std::find_if(rows.begin(), rows.end(), [&](const SRowShown& r) { return r.name == name; });
        return it == rows.end() ? SRowShown{} : *it;
    };
    EXPECT_EQ(row(QStringLiteral("Intranet Wiki (set by policy)")),
              (SRowShown{QStringLiteral("Intranet Wiki (set by policy)"), QStringLiteral("iw"), false, true}));
    EXPECT_EQ(row(QStringLiteral("Latin Lexicon (added by a site)")).ticked, false);
    EXPECT_EQ(row(QStringLiteral("Debian Packages")).ticked, true);
    EXPECT_EQ(std::count_if(rows.begin(), rows.end(), [](const SRowShown& r) { return r.ticked; }), 1);

    // Ticked by hand, the site's engine keeps its charset in the catalogue.
    QTreeWidget* list = dlg.Checklist();
    for (int i = 0; i < list->topLevelItemCount(); ++i)
        if (list->topLevelItem(i)->text(CImportDlg::kColumnName).startsWith(QStringLiteral("Latin Lexicon")))
            list->topLevelItem(i)->setCheckState(CImportDlg::kColumnName, Qt::Checked);
    const std::vector<SSearch> chosen = dlg.ChosenEngines();
    ASSERT_EQ(chosen.size(), 2u);
    EXPECT_EQ(chosen[0].name, "Latin Lexicon");
    EXPECT_EQ(chosen[0].charset, "ISO-8859-1");
    EXPECT_EQ(chosen[1].charset, "");
}

}  // namespace
