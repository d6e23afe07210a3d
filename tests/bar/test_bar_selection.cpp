// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The bar with the selected text (the clipboard's, on the offscreen
// platform), the second hotkey in the Hotkey dialog and lumora.ini, and a
// search handed over the instance socket.
#include "app/InstanceServer.h"
#include "bar/LumoraDlg.h"
#include "common/AddressRecorder.h"
#include "common/FileBytes.h"
#include "common/TempConfigHome.h"
#include "dialogs/DialogTestKit.h"
#include "dialogs/HotkeyDlg.h"
#include "instance/InstanceChannel.h"
#include "options/OptionTable.h"
#include "store/DataFolder.h"
#include "store/IniFile.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeySequenceEdit>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <thread>

namespace {

std::string FileText(const std::string& path)
{
    const Bytes bytes = ReadBytes(path);
    return std::string(bytes.begin(), bytes.end());
}

TEST(BarSelection, TheSelectedTextComesIntoTheFieldCursorFirstAndEnterSearchesIt)
{
    TempConfigHome home;
    AddressRecorder opened;
    CLumoraDlg bar;
    bar.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&bar));
    QLineEdit* field = bar.QueryField();

    QGuiApplication::clipboard()->setText(QStringLiteral("\n  Dublin\tBay\r\nlight\x07house\n"));
    bar.SummonWithSelection();
    EXPECT_TRUE(bar.IsSummoned());
    EXPECT_EQ(field->text(), "Dublin Bay lighthouse");
    EXPECT_EQ(field->cursorPosition(), 0);
    EXPECT_FALSE(field->hasSelectedText());
    // An abbreviation typed first picks the engine.
    QTest::keyClicks(field, "w ");
    QTest::keyClick(field, Qt::Key_Return);
    ASSERT_EQ(opened.Addresses().size(), 1u);
    EXPECT_EQ(opened.Addresses().back(), "https://en.wikipedia.org/wiki/Dublin%20Bay%20lighthouse");

    // At most 1,000 characters.
    QGuiApplication::clipboard()->setText(QString(1500, QChar(0x00fc)));
    bar.SummonWithSelection();
    EXPECT_EQ(field->text(), QString(1000, QChar(0x00fc)));

    // Nothing to take: a plain summon, the field as it was.
    field->setText(QStringLiteral("typed before"));
    QGuiApplication::clipboard()->setText(QStringLiteral(" \n\t"));
    bar.SummonWithSelection();
    EXPECT_EQ(field->text(), "typed before");
    QGuiApplication::clipboard()->clear();
}

TEST(HotkeyDlg, TheSecondCombinationBesideTheFirstNeverTheSame)
{
    std::vector<QString> tried;
    CHotkeyDlg dialog(QKeySequence("Ctrl+Alt+Space"), [](const QKeySequence&) { return QString(); });
    dialog.SetSelectionHotkey(QKeySequence("Ctrl+Alt+Shift+Space"), [&](const QKeySequence& sequence) {
        tried.push_back(sequence.toString());
        return sequence == QKeySequence("Ctrl+F2") ? QStringLiteral("Ctrl+F2 is in use") : QString();
    });
    EXPECT_EQ(dialog.SelectionField()->keySequence(), QKeySequence("Ctrl+Alt+Shift+Space"));

    dialog.SelectionField()->setKeySequence(QKeySequence("Ctrl+Alt+Space"));
    dialog.accept();
    EXPECT_EQ(dialog.result(), 0);
    EXPECT_NE(dialog.Warning().indexOf("Ctrl+Alt+Space"), -1) << dialog.Warning().toStdString();
    EXPECT_TRUE(tried.empty());

    dialog.SelectionField()->setKeySequence(QKeySequence("Ctrl+F2"));
    dialog.accept();
    EXPECT_EQ(dialog.Warning(), "Ctrl+F2 is in use");
    EXPECT_EQ(dialog.ChosenSelection(), QKeySequence("Ctrl+Alt+Shift+Space"));

    dialog.SelectionField()->clear();
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_TRUE(dialog.ChosenSelection().isEmpty());
    EXPECT_EQ(dialog.Chosen(), QKeySequence("Ctrl+Alt+Space"));
}

TEST(BarHotkey, TheSecondHotkeyIsKeptBesideTheFirstOnceChanged)
{
    TempConfigHome home;
    const std::string ini = GetAppDataPath(kIniSuffix);
    {
        CLumoraDlg bar;
        EXPECT_EQ(bar.IniSettings().selectionHotkey, "Ctrl+Alt+Shift+Space");
        ASSERT_NE(bar.SelectionHotkey(), nullptr);
        OnNextDialog<CHotkeyDlg>([](CHotkeyDlg* dialog) {
            EXPECT_EQ(dialog->SelectionField()->keySequence(), QKeySequence("Ctrl+Alt+Shift+Space"));
            dialog->SelectionField()->clear();
            dialog->accept();
        });
        bar.OnCommand(kHotkeyCommand);
        EXPECT_EQ(bar.IniSettings().selectionHotkey, "");
        bar.OnCommand(kCloseCommand);
    }
    EXPECT_EQ(FileText(ini), "[General]\nhotkey=Ctrl+Alt+Space\nselection-hotkey=\n");
    CLumoraDlg bar;
    EXPECT_EQ(bar.IniSettings().selectionHotkey, "");
}

// What another start hands over arrives as one clean line, with its window.
TEST(InstanceServer, ASearchArrivesCleanedWithItsWindow)
{
    const std::string folder = std::filesystem::temp_directory_path() / ("lumora-server-" + std::to_string(getpid()));
    std::filesystem::create_directories(folder);
    const std::string socketPath = folder + "/s.socket";
    CInstanceServer server(ListenForInstances(socketPath));
    std::vector<std::pair<std::string, bool>> searches;
    int selections = 0;
    QObject::connect(&server, &CInstanceServer::searchRequested, [&](const std::string& query, bool privateWindow) {
        searches.emplace_back(query, privateWindow);
    });
    QObject::connect(&server, &CInstanceServer::selectionRequested, [&] { ++selections; });

    const auto send = [&](EInstanceMessage message, std::string payload) {
        std::thread sender([&] { SendToRunningBar(socketPath, message, payload, std::chrono::seconds(5)); });
        const std::size_t before = searches.size() + static_cast<std::size_t>(selections);
        EXPECT_TRUE(QTest::qWaitFor([&] { return searches.size() + static_cast<std::size_t>(selections) > before; }));
        sender.join();
    };
    send(EInstanceMessage::Search, "w Dublin\nBay\x1b");
    send(EInstanceMessage::PrivateSearch, "secret");
    send(EInstanceMessage::Selection, {});
    ASSERT_EQ(searches.size(), 2u);
    EXPECT_EQ(searches[0], std::make_pair(std::string("w Dublin Bay"), false));
    EXPECT_EQ(searches[1], std::make_pair(std::string("secret"), true));
    EXPECT_EQ(selections, 1);
    std::filesystem::remove_all(folder);
}

}  // namespace
