// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "DialogTestKit.h"

#include "dialogs/AboutDlg.h"
#include "dialogs/CatalogDlg.h"
#include "dialogs/EditSearch.h"
#include "dialogs/SimpleLink.h"
#include "engines/Catalog.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

namespace {

// Every visible static and button shows its whole text inside the dialog,
// and no two statics overlap.
void ExpectNothingClipped(QWidget* dialog)
{
    const QRect client = dialog->rect();
    std::vector<QRect> statics;
    for (QLabel* label : dialog->findChildren<QLabel*>()) {
        if (label->isHidden() || label->text().isEmpty()) continue;
        SCOPED_TRACE(label->text().toStdString());
        const QSize needed = label->sizeHint();
        EXPECT_GE(label->width(), needed.width());
        EXPECT_GE(label->height(), needed.height());
        EXPECT_TRUE(client.contains(label->geometry()));
        for (const QRect& other : statics) EXPECT_FALSE(other.intersects(label->geometry()));
        statics.push_back(label->geometry());
    }
    for (QPushButton* button : dialog->findChildren<QPushButton*>()) {
        if (button->isHidden()) continue;
        SCOPED_TRACE(button->text().toStdString());
        EXPECT_GT(button->width(), button->fontMetrics().horizontalAdvance(button->text()));
        EXPECT_TRUE(client.contains(button->geometry()));
    }
}

TEST(DialogLook, AboutBox)
{
    CAboutDlg about;
    ExpectNothingClipped(&about);
    SaveShot(&about, QStringLiteral("about"));
}

TEST(DialogLook, CatalogWithTheBuiltInEngines)
{
    CEngineList engines;
    BuildDefaultCatalog(engines);
    CCatalogDlg dlg(engines);
    EXPECT_EQ(dlg.findChild<QLabel*>(QStringLiteral("allItemsCounter"))->text(), QStringLiteral("79"));
    EXPECT_EQ(dlg.findChild<QLabel*>(QStringLiteral("selectedCounter"))->text(), QStringLiteral("13"));
    ExpectNothingClipped(&dlg);
    dlg.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dlg));
    SaveShot(&dlg, QStringLiteral("catalog"));
}

TEST(DialogLook, CatalogCountersMakeRoomForBigNumbers)
{
    CEngineList engines;
    engines.SetCount(123456);
    for (SSearch& s : engines) s.selected = true;
    CCatalogDlg dlg(engines);
    EXPECT_EQ(dlg.findChild<QLabel*>(QStringLiteral("selectedCounter"))->text(), QStringLiteral("123456"));
    ExpectNothingClipped(&dlg);
    SaveShot(&dlg, QStringLiteral("catalog-big"));
}

TEST(DialogLook, EditDialogInBothModes)
{
    CEngineList engines;
    BuildDefaultCatalog(engines);
    CCatalogDlg catalog(engines);
    for (const auto mode : {CEditSearch::EMode::Add, CEditSearch::EMode::Edit}) {
        CEditSearch edit(&catalog, mode);
        OnNextModal(
            [&](QWidget* w) {
                ExpectNothingClipped(w);
                SaveShot(w, mode == CEditSearch::EMode::Add ? QStringLiteral("edit-add") : QStringLiteral("edit-edit"));
                w->close();
            },
            &catalog);
        edit.exec();
    }
}

}  // namespace
