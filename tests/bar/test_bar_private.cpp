// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Private searches in the real bar on the offscreen platform: Shift+Enter
// and Shift+click start the default browser's private window with the
// search's address, a browser without one gets a notice under the field,
// and nothing of a private search is remembered.
#include "bar/BarNotice.h"
#include "bar/LumoraDlg.h"
#include "bar/SearchRecall.h"
#include "common/AddressRecorder.h"
#include "common/ScopedEnv.h"
#include "common/TempConfigHome.h"
#include "platform/ProgramStarter.h"

#include <QCursor>
#include <QImage>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

using Args = std::vector<std::string>;

const std::string kDublinBay = "https://en.wikipedia.org/wiki/Dublin%20Bay";

class BarPrivateTest : public ::testing::Test {
protected:
    BarPrivateTest()
        : m_data(m_home.Path() / "data"),
          m_system(m_home.Path() / "system"),
          m_dataEnv("XDG_DATA_HOME", m_data.c_str()),
          m_dataDirsEnv("XDG_DATA_DIRS", m_system.c_str()),
          m_configDirsEnv("XDG_CONFIG_DIRS", (m_home.Path() / "etc").c_str()),
          m_desktopEnv("XDG_CURRENT_DESKTOP", nullptr),
          m_previousStarter(SetProgramStarter([this](const Args& argv) {
              m_started.push_back(argv);
              return true;
          }))
    {}
    ~BarPrivateTest() override { SetProgramStarter(std::move(m_previousStarter)); }

    void SetUp() override
    {
        m_bar = std::make_unique<CLumoraDlg>();
        m_bar->show();
        ASSERT_TRUE(QTest::qWaitFor([&] { return m_bar->IsStartupFinished(); }, 5000));
        QCursor::setPos(m_bar->geometry().center());
        Field()->setFocus();
        ASSERT_TRUE(QTest::qWaitFor([&] { return Field()->hasFocus(); }, 2000));
    }

    // The default browser: an entry in the system's applications folder.
    void DefaultBrowser(const std::string& entryText)
    {
        fs::create_directories(m_system / "applications");
        std::ofstream(m_system / "applications" / "browser.desktop") << entryText;
        std::ofstream(m_home.Path() / "mimeapps.list") << "[Default Applications]\n"
                                                          "x-scheme-handler/https=browser.desktop\n";
    }

    QLineEdit* Field() const { return m_bar->QueryField(); }

    void Type(const QString& text)
    {
        Field()->clear();
        QTest::keyClicks(Field(), text);
        QTest::keyClick(Field(), Qt::Key_Escape);  // closes a list the typing opened
    }

    bool NoticeShown() const { return m_bar->Notice() && m_bar->Notice()->isVisible(); }

    TempConfigHome m_home;
    fs::path m_data;
    fs::path m_system;
    ScopedEnv m_dataEnv;
    ScopedEnv m_dataDirsEnv;
    ScopedEnv m_configDirsEnv;
    ScopedEnv m_desktopEnv;
    std::vector<Args> m_started;
    ProgramStarter m_previousStarter;
    AddressRecorder m_opened;
    std::unique_ptr<CLumoraDlg> m_bar;
};

}  // namespace

TEST_F(BarPrivateTest, ShiftEnterAndShiftClickOpenAPrivateWindowAndRememberNothing)
{
    DefaultBrowser("[Desktop Entry]\nName=Chromium Web Browser\nExec=/usr/bin/chromium %U\n");
    Type("w Dublin Bay");
    QTest::keyClick(Field(), Qt::Key_Return, Qt::ShiftModifier);
    ASSERT_EQ(m_started.size(), 1u);
    EXPECT_EQ(m_started[0], (Args{"/usr/bin/chromium", "--incognito", kDublinBay}));
    // The field keeps its text, as after any search.
    EXPECT_EQ(Field()->text(), "w Dublin Bay");

    const QPoint button = m_bar->Layout().searchBox.center();
    QTest::mouseClick(m_bar.get(), Qt::LeftButton, Qt::ShiftModifier, button);
    ASSERT_EQ(m_started.size(), 2u);
    EXPECT_EQ(m_started[1], m_started[0]);

    // Neither went to the ordinary opener nor into the history.
    EXPECT_TRUE(m_opened.Addresses().empty());
    EXPECT_EQ(m_bar->Recall()->History().Size(), 0u);
    EXPECT_FALSE(fs::exists(m_bar->Recall()->FilePath()));
    QTest::keyClick(Field(), Qt::Key_Up);
    EXPECT_EQ(Field()->text(), "w Dublin Bay");  // nothing to recall

    // Without Shift both are the ordinary search, remembered.
    QTest::mouseClick(m_bar.get(), Qt::LeftButton, Qt::NoModifier, button);
    QTest::keyClick(Field(), Qt::Key_Return);
    EXPECT_EQ(m_opened.Addresses(), (Args{kDublinBay, kDublinBay}));
    EXPECT_EQ(m_started.size(), 2u);
    EXPECT_EQ(m_bar->Recall()->History().Size(), 1u);
    EXPECT_FALSE(NoticeShown());
}

TEST_F(BarPrivateTest, ABrowserWithoutPrivateModeGetsANoticeInTheBarsLook)
{
    DefaultBrowser("[Desktop Entry]\nName=Dillo\nExec=dillo %u\n");
    Type("cats");
    QTest::keyClick(Field(), Qt::Key_Enter, Qt::ShiftModifier | Qt::KeypadModifier);
    EXPECT_TRUE(m_started.empty());
    EXPECT_TRUE(m_opened.Addresses().empty());
    ASSERT_TRUE(NoticeShown());
    CBarNotice* notice = m_bar->Notice();
    EXPECT_EQ(notice->Text(), "No private window for Dillo");

    // Right under the field, in the bar's colours: background, outline, text.
    const QRect field = m_bar->Layout().fieldRect;
    EXPECT_EQ(notice->geometry().left(), m_bar->mapToGlobal(field.bottomLeft()).x());
    EXPECT_EQ(notice->geometry().top(), m_bar->mapToGlobal(field.bottomLeft()).y() + 1);
    EXPECT_GE(notice->width(), field.width());
    const QImage image = notice->grab().toImage();
    const SColorScheme& colors = m_bar->Colors();
    EXPECT_EQ(image.pixelColor(0, 0), colors.line);
    EXPECT_EQ(image.pixelColor(2, 2), colors.back);
    bool hasText = false;
    for (int x = 0; x < image.width() && !hasText; ++x)
        for (int y = 0; y < image.height() && !hasText; ++y) hasText = image.pixelColor(x, y) == colors.text;
    EXPECT_TRUE(hasText);
    // The bar stays down while the notice is there.
    EXPECT_TRUE(m_bar->AutoHide().IsShown());

    // It goes by itself after a few seconds.
    ASSERT_TRUE(QTest::qWaitFor([&] { return !NoticeShown(); }, kNoticeDuration.count() + 2000));
    EXPECT_EQ(m_bar->Recall()->History().Size(), 0u);
}

TEST_F(BarPrivateTest, NoDefaultBrowserOrABrokenEntryOpensNothing)
{
    Type("cats");
    QTest::keyClick(Field(), Qt::Key_Return, Qt::ShiftModifier);
    ASSERT_TRUE(NoticeShown());
    EXPECT_EQ(m_bar->Notice()->Text(), "No private window: no default browser is set");
    // Typing on takes it away.
    QTest::keyClicks(Field(), "s");
    EXPECT_FALSE(NoticeShown());

    // A summoned bar stays down for the notice to be read; an ordinary
    // search then sends it back.
    m_bar->Summon();
    QTest::keyClick(Field(), Qt::Key_Return, Qt::ShiftModifier);
    ASSERT_TRUE(NoticeShown());
    EXPECT_TRUE(m_bar->IsSummoned());
    QTest::keyClick(Field(), Qt::Key_Return);
    EXPECT_FALSE(m_bar->IsSummoned());
    EXPECT_EQ(m_opened.Addresses().size(), 1u);
    EXPECT_FALSE(NoticeShown());

    DefaultBrowser("[Desktop Entry]\nName=Firefox\nExec=sh -c \"firefox %u\"\n");
    QTest::keyClick(Field(), Qt::Key_Return, Qt::ShiftModifier);
    ASSERT_TRUE(NoticeShown());
    EXPECT_EQ(m_bar->Notice()->Text(), "No private window for Firefox");
    EXPECT_TRUE(m_started.empty());
    EXPECT_EQ(m_opened.Addresses().size(), 1u);  // the ordinary search above
}
