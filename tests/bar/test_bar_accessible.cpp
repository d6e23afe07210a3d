// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What a screen reader finds in the bar, read through Qt's accessibility
// interfaces: the painted boxes as named push buttons whose press does what
// a click does, and a query field named for where a search will go.
#include "bar/LumoraDlg.h"
#include "common/AddressRecorder.h"
#include "common/TempConfigHome.h"
#include "menus/EngineMenu.h"
#include "menus/OptionsMenu.h"
#include "options/OptionTable.h"

#include <QAccessible>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace {

struct SNode {
    QAccessible::Role role;
    QString name;
    bool visible;
};

std::vector<SNode> Children(QAccessibleInterface* parent)
{
    std::vector<SNode> nodes;
    for (int i = 0; i < parent->childCount(); ++i) {
        QAccessibleInterface* child = parent->child(i);
        nodes.push_back({child->role(), child->text(QAccessible::Name), !child->state().invisible});
    }
    return nodes;
}

QAccessibleInterface* ChildNamed(QAccessibleInterface* parent, QAccessible::Role role, const QString& name)
{
    for (int i = 0; i < parent->childCount(); ++i) {
        QAccessibleInterface* child = parent->child(i);
        if (child->role() == role && child->text(QAccessible::Name) == name) return child;
    }
    return nullptr;
}

class BarAccessibleTest : public ::testing::Test {
protected:
    static QString FieldName(const CLumoraDlg& bar)
    {
        return QAccessible::queryAccessibleInterface(bar.QueryField())->text(QAccessible::Name);
    }

    // Presses a button through its accessible action, as a screen reader does.
    static void Press(QAccessibleInterface* button)
    {
        ASSERT_NE(button, nullptr);
        ASSERT_NE(button->actionInterface(), nullptr);
        ASSERT_TRUE(button->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction()));
        button->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    }

    // The popup that opens within the deadline, closed again at once.
    static QMenu* NextPopup()
    {
        QMenu* opened = nullptr;
        QTimer poll;
        poll.setInterval(10);
        QObject::connect(&poll, &QTimer::timeout, [&] {
            if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
                opened = menu;
                menu->close();
            }
        });
        poll.start();
        return QTest::qWaitFor([&] { return opened != nullptr; }, 5000) ? opened : nullptr;
    }

    TempConfigHome m_home;
    AddressRecorder m_opened;
};

TEST_F(BarAccessibleTest, TheBoxesAreNamedPushButtonsInReadingOrder)
{
    CLumoraDlg bar;
    bar.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&bar));
    // The boxes come with the start-up work that follows the first frame.
    ASSERT_TRUE(QTest::qWaitFor([&] { return bar.IsStartupFinished(); }));
    QAccessibleInterface* window = QAccessible::queryAccessibleInterface(&bar);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->text(QAccessible::Name), QStringLiteral("Lumora"));

    const std::vector<SNode> nodes = Children(window);
    ASSERT_EQ(nodes.size(), 4u);
    EXPECT_EQ(nodes[0].role, QAccessible::PushButton);
    EXPECT_EQ(nodes[0].name, QStringLiteral("Google"));
    EXPECT_EQ(nodes[1].role, QAccessible::PushButton);
    EXPECT_EQ(nodes[1].name, QStringLiteral("Options"));
    EXPECT_EQ(nodes[2].role, QAccessible::EditableText);
    EXPECT_EQ(nodes[2].name, QStringLiteral("Search with Google"));
    EXPECT_EQ(nodes[3].role, QAccessible::PushButton);
    EXPECT_EQ(nodes[3].name, QStringLiteral("Search"));
    for (const SNode& node : nodes) EXPECT_TRUE(node.visible) << node.name.toStdString();

    // Each button lies over the box it stands for.
    const QRect engineBox(bar.mapToGlobal(bar.Layout().engineBox.topLeft()), bar.Layout().engineBox.size());
    EXPECT_EQ(window->child(0)->rect(), engineBox);
    const QRect optionsBox(bar.mapToGlobal(bar.Layout().optionsBox.topLeft()), bar.Layout().optionsBox.size());
    EXPECT_EQ(window->child(1)->rect(), optionsBox);
    // The keyboard stays with the field.
    EXPECT_FALSE(window->child(0)->state().focusable);
    EXPECT_EQ(bar.focusWidget(), bar.QueryField());
}

TEST_F(BarAccessibleTest, NamesFollowTheEngineTheTextAndTheButtonView)
{
    CLumoraDlg bar;
    bar.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&bar));
    // The boxes come with the start-up work that follows the first frame.
    ASSERT_TRUE(QTest::qWaitFor([&] { return bar.IsStartupFinished(); }));
    QAccessibleInterface* window = QAccessible::queryAccessibleInterface(&bar);

    bar.OnCommand(kFirstEngineCommand + 1);
    EXPECT_EQ(window->child(0)->text(QAccessible::Name), QStringLiteral("Google Image"));
    EXPECT_EQ(FieldName(bar), QStringLiteral("Search with Google Image"));

    // An abbreviation and a space send the search elsewhere; the field says so
    // while it is typed.
    const std::vector<std::pair<QString, QString>> cases{
        {QStringLiteral("w"), QStringLiteral("Search with Google Image")},
        {QStringLiteral("w "), QStringLiteral("Search with Wikipedia")},
        {QStringLiteral("W Dublin"), QStringLiteral("Search with Wikipedia")},
        {QStringLiteral("  yt piano"), QStringLiteral("Search with YouTube")},
        {QStringLiteral("zz lamp"), QStringLiteral("Search with Google Image")},
        {QStringLiteral(" "), QStringLiteral("Search with Google Image")},
        {QString(), QStringLiteral("Search with Google Image")},
    };
    for (const auto& [text, name] : cases) {
        bar.QueryField()->setText(text);
        EXPECT_EQ(FieldName(bar), name) << text.toStdString();
    }

    // The search button is there only while a view shows one.
    bar.OnCommand(kFirstButtonViewCommand + 0);
    EXPECT_TRUE(window->child(3)->state().invisible);
    bar.OnCommand(kFirstButtonViewCommand + 5);
    EXPECT_FALSE(window->child(3)->state().invisible);
}

TEST_F(BarAccessibleTest, PressesDoWhatAClickOnTheBoxDoes)
{
    CLumoraDlg bar;
    bar.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&bar));
    // The boxes come with the start-up work that follows the first frame.
    ASSERT_TRUE(QTest::qWaitFor([&] { return bar.IsStartupFinished(); }));
    QAccessibleInterface* window = QAccessible::queryAccessibleInterface(&bar);

    bar.QueryField()->setText(QStringLiteral("cats"));
    Press(ChildNamed(window, QAccessible::PushButton, QStringLiteral("Search")));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !m_opened.Addresses().empty(); }, 5000));
    EXPECT_EQ(m_opened.Addresses(), std::vector<std::string>{"https://www.google.com/search?q=cats"});

    Press(ChildNamed(window, QAccessible::PushButton, QStringLiteral("Google")));
    EXPECT_EQ(NextPopup(), static_cast<QMenu*>(bar.EngineMenu()));
    Press(ChildNamed(window, QAccessible::PushButton, QStringLiteral("Options")));
    EXPECT_EQ(NextPopup(), static_cast<QMenu*>(bar.OptionsMenu()));
    // Neither press searched again.
    EXPECT_EQ(m_opened.Addresses().size(), 1u);
}

}  // namespace
