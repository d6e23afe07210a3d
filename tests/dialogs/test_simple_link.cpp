// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "DialogTestKit.h"
#include "common/AddressRecorder.h"

#include "dialogs/AboutDlg.h"
#include "dialogs/ProductLinks.h"
#include "dialogs/SimpleLink.h"
#include "platform/DialogUnits.h"

#include <QAccessible>
#include <QCursor>
#include <QDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QUrl>
#include <QUrlQuery>

#include <set>
#include <string>
#include <vector>

namespace {

// Counts the timer events a widget receives, by timer id.
class TimerCounter : public QObject {
public:
    explicit TimerCounter(QObject* watched) { watched->installEventFilter(this); }
    std::multiset<int> ticks;

protected:
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::Timer) ticks.insert(static_cast<QTimerEvent*>(e)->timerId());
        return false;
    }
};

class LinkTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_window.resize(300, 120);
        m_link = new CSimpleLink(&m_window);
        m_link->setText(QStringLiteral("Uncheck All"));
        m_link->setGeometry(DialogRectToPixels(7, 7, 60, 8));
        m_link->Attach();
        m_window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&m_window));
    }

    void MovePointerTo(const QPoint& local)
    {
        const QPoint global = m_link->mapToGlobal(local);
        QCursor::setPos(global);
        QMouseEvent move(QEvent::MouseMove, QPointF(local), QPointF(global), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QApplication::sendEvent(m_link, &move);
    }

    void PointerAway() { QCursor::setPos(m_link->mapToGlobal(QPoint(-40, -40))); }

    QDialog m_window;
    CSimpleLink* m_link = nullptr;
    AddressRecorder m_opener;
};

TEST_F(LinkTest, ClickWithoutAddressOpensNothingButNotifies)
{
    QSignalSpy clicked(m_link, &CSimpleLink::clicked);
    EXPECT_TRUE(m_link->LinkAddress().isEmpty());
    QTest::mouseClick(m_link, Qt::LeftButton);
    EXPECT_TRUE(m_opener.Addresses().empty());
    EXPECT_EQ(clicked.count(), 1);
}

TEST_F(LinkTest, ClickOpensAddressAndNotifies)
{
    QSignalSpy clicked(m_link, &CSimpleLink::clicked);
    m_link->SetLinkAddress(QStringLiteral("https://example.org/a?b=c&d#e"));
    QTest::mouseClick(m_link, Qt::LeftButton);
    QTest::mouseClick(m_link, Qt::RightButton);  // only the left button clicks
    ASSERT_EQ(m_opener.Addresses().size(), 1u);
    EXPECT_EQ(m_opener.Addresses()[0], "https://example.org/a?b=c&d#e");
    EXPECT_EQ(clicked.count(), 1);
}

TEST_F(LinkTest, AttachTakesTextAndClearsAddress)
{
    m_link->SetLinkAddress(QStringLiteral("https://example.org/"));
    m_link->setText(QStringLiteral("Second"));
    m_link->Attach();
    EXPECT_EQ(m_link->Caption(), QStringLiteral("Second"));
    EXPECT_TRUE(m_link->LinkAddress().isEmpty());
    EXPECT_FALSE(m_link->IsHover());
    EXPECT_EQ(m_link->cursor().shape(), Qt::PointingHandCursor);
}

TEST_F(LinkTest, HoverStartsOnFirstMoveAndEndsAfterPointerLeaves)
{
    TimerCounter timers(m_link);
    EXPECT_FALSE(m_link->IsHover());
    MovePointerTo(m_link->rect().center());
    EXPECT_TRUE(m_link->IsHover());
    const int timer = m_link->HoverTimerId();
    EXPECT_NE(timer, 0);

    // More moves while hovering start no second timer.
    MovePointerTo(m_link->rect().center() + QPoint(3, 0));
    MovePointerTo(m_link->rect().topLeft());
    EXPECT_EQ(m_link->HoverTimerId(), timer);

    // The pointer still inside: hover survives several polls, all of one timer.
    ASSERT_TRUE(QTest::qWaitFor([&] { return timers.ticks.size() >= 3; }, 3000));
    EXPECT_TRUE(m_link->IsHover());
    EXPECT_EQ(timers.ticks.count(timer), timers.ticks.size());

    // It left without a move over the link: the next poll ends the hover.
    PointerAway();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !m_link->IsHover(); }, 3000));
    EXPECT_EQ(m_link->HoverTimerId(), 0);

    // And the next move starts it again.
    MovePointerTo(m_link->rect().center());
    EXPECT_TRUE(m_link->IsHover());
    PointerAway();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !m_link->IsHover(); }, 3000));
}

TEST_F(LinkTest, HitRectangleIsTheAttachTimeRectangle)
{
    const QSize attached = m_link->size();
    m_link->resize(attached.width() * 3, attached.height());
    MovePointerTo(QPoint(attached.width() + 5, attached.height() / 2));
    ASSERT_TRUE(m_link->IsHover());
    // Still over the widget, but outside what it was at attach.
    EXPECT_TRUE(QTest::qWaitFor([&] { return !m_link->IsHover(); }, 3000));
}

TEST_F(LinkTest, PaintsCaptionOfAttachTimeInLinkBlueAlikeInBothStates)
{
    // Without the keyboard's frame, which the window's only control gets.
    m_link->clearFocus();
    const QImage normal = m_link->grab().toImage();
    m_link->setText(QStringLiteral("Something else entirely"));
    EXPECT_EQ(m_link->grab().toImage(), normal);

    MovePointerTo(m_link->rect().center());
    ASSERT_TRUE(m_link->IsHover());
    EXPECT_EQ(m_link->grab().toImage(), normal);

    // The underline is drawn in the text colour itself.
    bool blue = false;
    for (int y = 0; y < normal.height() && !blue; ++y) {
        for (int x = 0; x < normal.width() && !blue; ++x) blue = normal.pixelColor(x, y) == QColor(50, 100, 250);
    }
    EXPECT_TRUE(blue);
    EXPECT_EQ(normal.pixelColor(0, 0), m_window.palette().color(QPalette::Window));
}

TEST(AboutDlg, ShowsProductAndOpensItsLinks)
{
    AddressRecorder opener;
    CAboutDlg about;
    EXPECT_EQ(about.windowTitle(), QStringLiteral("About Lumora"));

    QStringList texts;
    for (QLabel* label : about.findChildren<QLabel*>()) texts << label->text();
    EXPECT_TRUE(texts.contains(QStringLiteral("Lumora 1.28")));
    EXPECT_TRUE(texts.contains(QStringLiteral("Home page:")));
    EXPECT_TRUE(texts.contains(QStringLiteral("Support:")));

    const QUrl home(QString::fromUtf8(kHomePageAddress));
    EXPECT_EQ(about.HomeLink()->Caption(), home.host());
    EXPECT_FALSE(home.host().isEmpty());
    EXPECT_EQ(QUrlQuery(home).queryItemValue(QStringLiteral("ref")), QStringLiteral("lumora"));
    EXPECT_EQ(about.ContactLink()->Caption(), QStringLiteral("contact form"));

    about.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&about));
    QTest::mouseClick(about.ContactLink(), Qt::LeftButton);
    QTest::mouseClick(about.HomeLink(), Qt::LeftButton);
    ASSERT_EQ(opener.Addresses().size(), 2u);
    EXPECT_EQ(opener.Addresses()[0], kContactFormAddress);
    EXPECT_EQ(opener.Addresses()[1], kHomePageAddress);

    const QPixmap icon = about.findChild<QLabel*>(QStringLiteral("appIcon"))->pixmap();
    EXPECT_FALSE(icon.isNull());
}

TEST(AboutDlg, OkAndEscapeEndIt)
{
    for (const bool escape : {false, true}) {
        CAboutDlg about;
        OnNextModal([escape](QWidget* w) {
            if (escape)
                QTest::keyClick(w, Qt::Key_Escape);
            else
                QTest::keyClick(w, Qt::Key_Return);  // OK is the default button
        });
        EXPECT_EQ(about.exec(), escape ? QDialog::Rejected : QDialog::Accepted);
    }
}

// The keyboard reaches the links with Tab, and Enter or Space opens them
// without ending the box (Enter would otherwise press OK).
TEST(AboutDlg, LinksAreReachedWithTabAndOpenedWithEnterOrSpace)
{
    AddressRecorder opener;
    CAboutDlg about;
    about.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&about));
    const auto press = [](int key, bool autoRepeat = false) {
        QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier, QString(), autoRepeat);
        QApplication::sendEvent(QApplication::focusWidget(), &event);
    };
    ASSERT_EQ(QApplication::focusWidget(), about.findChild<QPushButton*>());

    press(Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), about.HomeLink());
    press(Qt::Key_Return);
    press(Qt::Key_Return, true);  // a held key opens the page once
    press(Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), about.ContactLink());
    press(Qt::Key_Space);
    EXPECT_EQ(opener.Addresses(), (std::vector<std::string>{kHomePageAddress, kContactFormAddress}));
    EXPECT_TRUE(about.isVisible());
    EXPECT_EQ(about.result(), 0);

    // Round to OK again; a click does not take the keyboard from it.
    press(Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), about.findChild<QPushButton*>());
    QTest::mouseClick(about.HomeLink(), Qt::LeftButton);
    EXPECT_EQ(QApplication::focusWidget(), about.findChild<QPushButton*>());
}

TEST(AboutDlg, AFocusedLinkShowsItAndScreenReadersCanPressIt)
{
    AddressRecorder opener;
    CAboutDlg about;
    about.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&about));
    CSimpleLink* link = about.ContactLink();
    const QImage plain = link->grab().toImage();
    link->setFocus(Qt::TabFocusReason);
    const QImage focused = link->grab().toImage();
    SaveShot(&about, QStringLiteral("about-link-focused"));
    // A dotted frame in the link's blue along the edges.
    int framePixels = 0;
    for (int x = 0; x < focused.width(); ++x) {
        if (focused.pixelColor(x, 0) == QColor(50, 100, 250)) ++framePixels;
        EXPECT_NE(plain.pixelColor(x, 0), QColor(50, 100, 250));
    }
    EXPECT_GT(framePixels, focused.width() / 4);

    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(link);
    ASSERT_NE(accessible, nullptr);
    EXPECT_EQ(accessible->role(), QAccessible::Link);
    EXPECT_EQ(accessible->text(QAccessible::Name), QStringLiteral("contact form"));
    EXPECT_TRUE(accessible->state().focusable);
    ASSERT_NE(accessible->actionInterface(), nullptr);
    accessible->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !opener.Addresses().empty(); }, 3000));
    EXPECT_EQ(opener.Addresses(), std::vector<std::string>{kContactFormAddress});
}

}  // namespace
