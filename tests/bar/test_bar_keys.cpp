// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The bar from the keyboard on the offscreen platform: engines stepped with
// Ctrl+arrows, both menus opened by keys, and the name of the engine the
// query's first word picks, drawn in the field.
#include "bar/BarTestAccess.h"
#include "bar/EngineHint.h"
#include "bar/LumoraDlg.h"
#include "common/AddressRecorder.h"
#include "common/TempConfigHome.h"
#include "menus/EngineMenu.h"
#include "menus/MenuProbe.h"
#include "menus/OptionsMenu.h"
#include "options/OptionTable.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QImage>
#include <QLineEdit>
#include <QMenu>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

namespace {

using Ids = std::vector<int>;

// What a menu opened by a key showed, and the key pressed in it.
struct SMenuSeen {
    QMenu* menu = nullptr;
    QRect geometry;
    int activeId = -1;
};

// Presses `keys` in the next popup that opens and reports what it showed.
// The popup runs its own loop, so this waits from a timer inside it.
class MenuKeys {
public:
    explicit MenuKeys(std::vector<Qt::Key> keys)
    {
        QObject::connect(&m_timer, &QTimer::timeout, [this, keys] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            if (!menu) return;
            m_timer.stop();
            // The active entry is set once the menu is up.
            (void)QTest::qWaitFor([menu] { return menu->activeAction() != nullptr; }, 2000);
            m_seen = {menu, menu->geometry(), CommandId(menu->activeAction())};
            for (const Qt::Key key : keys) QTest::keyClick(menu, key);
            if (menu->isVisible()) menu->close();
        });
        m_timer.start(10);
    }
    const SMenuSeen& Seen() const { return m_seen; }

private:
    QTimer m_timer;
    SMenuSeen m_seen;
};

class BarKeysTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_bar.OnCommand(kAutoHideCommand);  // off: the bar stays put
        m_bar.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&m_bar));
        ASSERT_TRUE(QTest::qWaitFor([this] { return m_bar.IsStartupFinished(); }));
        m_bar.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&m_bar));
        Field()->setFocus();
    }

    QLineEdit* Field() const { return m_bar.QueryField(); }
    void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(Field(), key, modifiers);
    }
    QRect GlobalBox(const QRect& box) const { return QRect(m_bar.mapToGlobal(box.topLeft()), box.size()); }

    // Pixels of the field's right end that are not the field's white.
    int InkAtFieldEnd()
    {
        const QImage image = m_bar.grab().toImage();
        const QRect field = Field()->geometry();
        const QRect end(field.right() - 70, field.top() + 2, 68, field.height() - 4);
        int ink = 0;
        for (int y = end.top(); y <= end.bottom(); ++y)
            for (int x = end.left(); x <= end.right(); ++x) ink += image.pixelColor(x, y) != QColor(Qt::white);
        return ink;
    }

    TempConfigHome m_home;
    AddressRecorder m_opened;
    CLumoraDlg m_bar;
};

}  // namespace

// Ctrl+Down and Ctrl+Up choose as the engine menu does, round at its ends;
// the text stays, plain Up still recalls an earlier search.
TEST_F(BarKeysTest, CtrlArrowsStepThroughTheEngineMenu)
{
    Field()->setText("cats");
    Key(Qt::Key_Down, Qt::ControlModifier);
    EXPECT_EQ(m_bar.Current().name, "Google Image");
    EXPECT_EQ(m_bar.Settings().engineIndex, 1);
    EXPECT_EQ(Marks(m_bar.EngineMenu()), Ids{kFirstEngineCommand + 1});
    EXPECT_EQ(Field()->text(), "cats");

    Key(Qt::Key_Up, Qt::ControlModifier);
    Key(Qt::Key_Up, Qt::ControlModifier | Qt::KeypadModifier);
    EXPECT_EQ(m_bar.Current().name, "YouTube");  // round from the first to the last
    EXPECT_EQ(Marks(m_bar.EngineMenu()), Ids{kFirstEngineCommand + 12});
    Key(Qt::Key_Down, Qt::ControlModifier);
    EXPECT_EQ(m_bar.Settings().engineIndex, 0);

    Key(Qt::Key_Down, Qt::ControlModifier);
    Key(Qt::Key_Return);
    ASSERT_EQ(m_opened.Addresses().size(), 1u);
    EXPECT_NE(m_opened.Addresses()[0].find("images.google."), std::string::npos) << m_opened.Addresses()[0];
    Field()->clear();
    Key(Qt::Key_Up);
    EXPECT_EQ(Field()->text(), "cats");
    EXPECT_EQ(m_bar.Current().name, "Google Image");

    // After a catalogue change that left no mark, the first entry comes next.
    CEngineList two;
    for (const char* name : {"One", "Two"}) {
        SSearch s;
        s.name = name;
        s.url = "http://example.org/?q=[keyword]";
        s.selected = true;
        two.Append(s);
    }
    CBarTestAccess::SetEngines(m_bar, two);
    Key(Qt::Key_Down, Qt::ControlModifier);
    EXPECT_EQ(m_bar.Current().name, "One");
}

// Alt+Down, Alt+Up and F4 open the engine menu where a click does, on the
// current entry; Escape closes it and the field is as it was, selection and
// cursor included; Down and Enter there choose the next engine.
TEST_F(BarKeysTest, AltArrowsAndF4OpenTheEngineMenuOnTheCurrentEntry)
{
    m_bar.OnCommand(kFirstEngineCommand + 2);
    const QRect box = GlobalBox(m_bar.Layout().engineBox);
    struct SCase {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
    };
    for (const SCase c : {SCase{Qt::Key_Down, Qt::AltModifier}, SCase{Qt::Key_Up, Qt::AltModifier},
                          SCase{Qt::Key_F4, Qt::NoModifier}}) {
        SCOPED_TRACE(c.key);
        Field()->setText("Dublin Bay");
        Field()->setSelection(6, -4);  // "blin" selected backwards: the cursor at 2
        MenuKeys keys({Qt::Key_Escape});
        Key(c.key, c.modifiers);
        ASSERT_EQ(keys.Seen().menu, m_bar.EngineMenu());
        EXPECT_EQ(keys.Seen().geometry.topLeft(), QPoint(box.left(), box.bottom() + 1));
        EXPECT_EQ(keys.Seen().activeId, kFirstEngineCommand + 2);
        // The field is the bar's focus again (the end-to-end test sees the
        // window get the keyboard back; offscreen windows may not).
        EXPECT_EQ(m_bar.focusWidget(), Field());
        EXPECT_EQ(Field()->text(), "Dublin Bay");
        EXPECT_EQ(Field()->selectedText(), "blin");
        EXPECT_EQ(Field()->cursorPosition(), 6 - 4);
        EXPECT_EQ(m_bar.Settings().engineIndex, 2);
    }

    MenuKeys keys({Qt::Key_Down, Qt::Key_Return});
    Key(Qt::Key_Down, Qt::AltModifier);
    ASSERT_TRUE(QTest::qWaitFor([this] { return m_bar.Settings().engineIndex == 3; }));
    EXPECT_EQ(Marks(m_bar.EngineMenu()), Ids{kFirstEngineCommand + 3});
    EXPECT_EQ(Field()->text(), "Dublin Bay");
    EXPECT_TRUE(m_opened.Addresses().empty());
}

// Shift+F10 and the Menu key open the options menu where a click does, its
// first entry active; the field's own context menu stays shut.
TEST_F(BarKeysTest, ShiftF10AndTheMenuKeyOpenTheOptionsMenu)
{
    const QRect box = GlobalBox(m_bar.Layout().optionsBox);
    for (const auto& [key, modifiers] :
         {std::pair{Qt::Key_F10, Qt::ShiftModifier}, std::pair{Qt::Key_Menu, Qt::NoModifier}}) {
        SCOPED_TRACE(key);
        MenuKeys keys({Qt::Key_Escape});
        Key(key, modifiers);
        ASSERT_EQ(keys.Seen().menu, m_bar.OptionsMenu());
        EXPECT_EQ(keys.Seen().geometry.right(), box.right());
        EXPECT_EQ(keys.Seen().geometry.top(), box.bottom() + 1);
        EXPECT_EQ(keys.Seen().activeId, kAutoHideCommand);
        // The field is the bar's focus again (the end-to-end test sees the
        // window get the keyboard back; offscreen windows may not).
        EXPECT_EQ(m_bar.focusWidget(), Field());
    }
    QContextMenuEvent fromKeyboard(QContextMenuEvent::Keyboard, QPoint(5, 5), Field()->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(Field(), &fromKeyboard);
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
    // Enter and Escape keep their meaning.
    Key(Qt::Key_Escape);
    EXPECT_TRUE(m_bar.isVisible());
    Field()->setText("dogs");
    Key(Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(m_opened.Addresses().size(), 1u);
}

// "w Dublin" shows "Wikipedia" dimmed at the field's right end; it goes when
// the first word picks no engine and when the text needs the room, and the
// engine box keeps the current engine.
TEST_F(BarKeysTest, TheFirstWordsEngineShowsAtTheFieldsEnd)
{
    EXPECT_EQ(InkAtFieldEnd(), 0);
    QTest::keyClicks(Field(), "w ");
    const CEngineHint* hint = m_bar.EngineHint();
    EXPECT_EQ(hint->Name(), "Wikipedia");
    ASSERT_TRUE(hint->IsShown());
    EXPECT_GT(InkAtFieldEnd(), 20);
    QTest::keyClicks(Field(), "Dublin");
    EXPECT_TRUE(hint->IsShown());
    EXPECT_EQ(m_bar.Current().name, "Google");

    // Drawn in the scheme's text colour faded into the field, and only there.
    const QImage image = m_bar.grab().toImage();
    const QRect drawn = hint->HintRect().translated(Field()->pos());
    const QColor dimmed = DimmedOnField(m_bar.Colors().text);
    int darkest = 255 * 3;
    for (int y = drawn.top(); y <= drawn.bottom(); ++y)
        for (int x = drawn.left(); x <= drawn.right(); ++x) {
            const QColor c = image.pixelColor(x, y);
            darkest = std::min(darkest, c.red() + c.green() + c.blue());
        }
    EXPECT_NEAR(darkest, dimmed.red() + dimmed.green() + dimmed.blue(), 40);

    Field()->setText("zz ");
    EXPECT_FALSE(hint->IsShown());
    EXPECT_EQ(InkAtFieldEnd(), 0);
    Field()->setText("W ");  // any letter case
    EXPECT_TRUE(hint->IsShown());
    Key(Qt::Key_Backspace);
    EXPECT_FALSE(hint->IsShown());

    // Long text: the hint gives way before the two would touch.
    Field()->setText("w ");
    while (hint->IsShown()) {
        Field()->setText(Field()->text() + "x");
        ASSERT_LT(Field()->text().size(), 200);
    }
    const int textEnd = Field()->fontMetrics().horizontalAdvance(Field()->text());
    EXPECT_GT(textEnd, Field()->width() - Field()->fontMetrics().horizontalAdvance("Wikipedia") - 20);
}
