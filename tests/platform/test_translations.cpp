// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogs/CatalogDlg.h"
#include "dialogs/EditSearch.h"
#include "menus/OptionsMenu.h"
#include "platform/Translations.h"
#include "store/EngineList.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QCoreApplication>
#include <QPushButton>
#include <QTranslator>

namespace {

QStringList Texts(const QMenu* menu)
{
    QStringList texts;
    for (const QAction* action : menu->actions()) {
        if (!action->isSeparator()) texts << action->text();
    }
    return texts;
}

QStringList ButtonTexts(const QWidget* dialog)
{
    QStringList texts;
    for (const QPushButton* button : dialog->findChildren<QPushButton*>()) texts << button->text();
    return texts;
}

// Each test leaves the application without translators, as it found it.
class TranslationsTest : public ::testing::Test {
protected:
    void TearDown() override { qDeleteAll(qApp->findChildren<QTranslator*>(Qt::FindDirectChildrenOnly)); }
};

}  // namespace

TEST_F(TranslationsTest, GermanLocaleShowsGermanMenusAndDialogs)
{
    ASSERT_TRUE(InstallTranslations(QLocale(QLocale::German, QLocale::Germany)));

    COptionsMenu menu;
    const QStringList top = Texts(&menu);
    EXPECT_TRUE(top.contains(QStringLiteral("Automatisch ausblenden"))) << top.join(u'|').toStdString();
    EXPECT_TRUE(top.contains(QStringLiteral("Beenden")));
    // Submenus are found by their English titles in any language.
    ASSERT_NE(menu.ColorMenu(), nullptr);
    EXPECT_EQ(menu.ColorMenu()->title(), QStringLiteral("Farbe"));
    EXPECT_TRUE(Texts(menu.ColorMenu()).contains(QStringLiteral("Schwefel dunkel")));
    ASSERT_NE(menu.TransparentMenu(), nullptr);
    EXPECT_TRUE(Texts(menu.TransparentMenu()).contains(QStringLiteral("50 %")));
    // Numbers stay numbers.
    EXPECT_TRUE(Texts(menu.RoundingMenu()).contains(QStringLiteral("15")));

    CEngineList engines;
    CCatalogDlg catalog(engines);
    EXPECT_EQ(catalog.windowTitle(), QStringLiteral("Katalog"));
    EXPECT_TRUE(ButtonTexts(&catalog).contains(QStringLiteral("Abbrechen")));
}

TEST_F(TranslationsTest, EnglishAndCLocalesKeepTheTextsAsWritten)
{
    EXPECT_FALSE(InstallTranslations(QLocale::c()));
    EXPECT_FALSE(InstallTranslations(QLocale(QLocale::English, QLocale::UnitedStates)));

    COptionsMenu menu;
    const QStringList top = Texts(&menu);
    EXPECT_TRUE(top.contains(QStringLiteral("Auto Hide")));
    EXPECT_TRUE(Texts(menu.HelpMenu()).contains(QStringLiteral("Help Topics  F1")));
    EXPECT_TRUE(Texts(menu.TransparentMenu()).contains(QStringLiteral("50%")));

    CEngineList engines;
    CCatalogDlg catalog(engines);
    EXPECT_EQ(catalog.windowTitle(), QStringLiteral("Catalog"));
    // The system's own misspelling stays.
    EXPECT_EQ(QCoreApplication::translate("CEditSearch", CEditSearch::kEmptyNameText),
              QStringLiteral("Empty Serch Name"));
}
