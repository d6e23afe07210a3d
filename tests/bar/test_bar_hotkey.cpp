// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The Hotkey dialog on its own and behind "Hotkey..." (command 454), and
// the hotkey's place in lumora.ini.
#include "bar/LumoraDlg.h"
#include "common/FileBytes.h"
#include "common/TempConfigHome.h"
#include "dialogs/DialogTestKit.h"
#include "dialogs/HotkeyDlg.h"
#include "options/OptionTable.h"
#include "store/DataFolder.h"
#include "store/IniFile.h"

#include <QKeySequenceEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace {

QPushButton* ButtonNamed(QWidget* dialog, const QString& text)
{
    for (QPushButton* button : dialog->findChildren<QPushButton*>()) {
        if (button->text().remove('&') == text) return button;
    }
    return nullptr;
}

std::string FileText(const std::string& path)
{
    const Bytes bytes = ReadBytes(path);
    return std::string(bytes.begin(), bytes.end());
}

TEST(HotkeyDlg, OkPutsTheCombinationInForceOrWarnsAndKeepsTheOld)
{
    std::vector<QString> tried;
    CHotkeyDlg dialog(QKeySequence("Ctrl+Alt+Space"), [&](const QKeySequence& sequence) {
        tried.push_back(sequence.toString());
        return sequence == QKeySequence("Ctrl+F1") ? QStringLiteral("Ctrl+F1 is in use") : QString();
    });
    EXPECT_EQ(dialog.Field()->keySequence(), QKeySequence("Ctrl+Alt+Space"));

    // Taken: the dialog stays, says why, and nothing is chosen.
    dialog.Field()->setKeySequence(QKeySequence("Ctrl+F1"));
    dialog.accept();
    EXPECT_EQ(dialog.result(), 0);
    EXPECT_EQ(dialog.Warning(), "Ctrl+F1 is in use");
    EXPECT_EQ(dialog.Chosen(), QKeySequence("Ctrl+Alt+Space"));

    // Only the first of several combinations counts.
    dialog.Field()->setKeySequence(QKeySequence("Meta+K, Meta+L"));
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.Chosen(), QKeySequence("Meta+K"));
    EXPECT_EQ(tried.back(), "Meta+K");
}

// The field records every other key; Escape and Enter there work as in any
// dialog, also right after a combination while the field still records.
TEST(HotkeyDlg, EscapeAndEnterInTheFieldCancelAndConfirm)
{
    for (const bool confirm : {false, true}) {
        SCOPED_TRACE(confirm ? "Enter" : "Escape");
        CHotkeyDlg dialog(QKeySequence("Ctrl+Alt+Space"), [](const QKeySequence&) { return QString(); });
        dialog.show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
        QWidget* typing = QApplication::focusWidget();
        ASSERT_TRUE(typing == dialog.Field() || dialog.Field()->isAncestorOf(typing));
        QTest::keyClick(typing, Qt::Key_K, Qt::MetaModifier);
        QTest::keyClick(typing, confirm ? Qt::Key_Return : Qt::Key_Escape);
        EXPECT_FALSE(dialog.isVisible());
        EXPECT_EQ(dialog.result(), confirm ? QDialog::Accepted : QDialog::Rejected);
        EXPECT_EQ(dialog.Chosen(), QKeySequence(confirm ? "Meta+K" : "Ctrl+Alt+Space"));
    }
}

TEST(HotkeyDlg, NoneSwitchesTheHotkeyOffAndCancelChangesNothing)
{
    int tries = 0;
    {
        CHotkeyDlg dialog(QKeySequence("Ctrl+Alt+Space"), [&](const QKeySequence&) {
            ++tries;
            return QString();
        });
        ButtonNamed(&dialog, "None")->click();
        dialog.accept();
        EXPECT_TRUE(dialog.Chosen().isEmpty());
    }
    {
        CHotkeyDlg dialog(QKeySequence("Ctrl+Alt+Space"), [&](const QKeySequence&) {
            ++tries;
            return QString();
        });
        dialog.Field()->setKeySequence(QKeySequence("Ctrl+K"));
        dialog.reject();
        EXPECT_EQ(dialog.Chosen(), QKeySequence("Ctrl+Alt+Space"));
    }
    EXPECT_EQ(tries, 1);
}

TEST(BarHotkey, HotkeyEntryStoresTheChoiceAndCloseWritesItToTheIni)
{
    TempConfigHome home;
    const std::string ini = GetAppDataPath(kIniSuffix);
    {
        CLumoraDlg bar;
        EXPECT_EQ(bar.IniSettings().hotkey, "Ctrl+Alt+Space");
        OnNextDialog<CHotkeyDlg>([](CHotkeyDlg* dialog) {
            EXPECT_EQ(dialog->Field()->keySequence(), QKeySequence("Ctrl+Alt+Space"));
            dialog->Field()->setKeySequence(QKeySequence("Meta+F12"));
            ButtonNamed(dialog, "OK")->click();
        });
        bar.OnCommand(kHotkeyCommand);
        EXPECT_EQ(bar.IniSettings().hotkey, "Meta+F12");
        // Nothing is written before the bar closes.
        EXPECT_FALSE(std::filesystem::exists(ini));
        bar.OnCommand(kCloseCommand);
    }
    EXPECT_EQ(FileText(ini), "[General]\nhotkey=Meta+F12\n");

    // Read back at the next start; a damaged file gives the default and the
    // next close replaces it.
    {
        CLumoraDlg bar;
        EXPECT_EQ(bar.IniSettings().hotkey, "Meta+F12");
    }
    std::ofstream(ini, std::ios::binary | std::ios::trunc) << "\x01\x02 not an ini file";
    {
        CLumoraDlg bar;
        EXPECT_EQ(bar.IniSettings().hotkey, "Ctrl+Alt+Space");
        bar.OnCommand(kCloseCommand);
    }
    EXPECT_EQ(FileText(ini), "[General]\nhotkey=Ctrl+Alt+Space\n");
}

}  // namespace
