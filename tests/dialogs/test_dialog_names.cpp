// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Every control of the dialogs that the keyboard can reach has a name a
// screen reader can say, read through Qt's accessibility interfaces.
#include "DialogTestKit.h"
#include "common/BuiltInEngines.h"

#include "dialogs/AboutDlg.h"
#include "dialogs/CatalogDlg.h"
#include "dialogs/EditSearch.h"
#include "dialogs/HotkeyDlg.h"
#include "dialogs/ImportDlg.h"
#include "dialogs/UpdateBuiltinsDlg.h"

#include <QAccessible>
#include <QKeySequenceEdit>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Rows and cells of a list say their own text; the list needs a name of its own.
bool IsItemView(QAccessible::Role role)
{
    return role == QAccessible::List || role == QAccessible::Tree || role == QAccessible::Table;
}

void CollectUnnamed(QAccessibleInterface* parent, std::vector<std::string>& unnamed)
{
    for (int i = 0; i < parent->childCount(); ++i) {
        QAccessibleInterface* child = parent->child(i);
        if (!child) continue;
        const QAccessible::State state = child->state();
        if (state.focusable && !state.invisible && child->text(QAccessible::Name).trimmed().isEmpty()) {
            const QObject* object = child->object();
            unnamed.push_back(std::string(object ? object->metaObject()->className() : "?") + " " +
                              (object ? object->objectName().toStdString() : std::string()));
        }
        if (!IsItemView(child->role())) CollectUnnamed(child, unnamed);
    }
}

std::vector<std::string> UnnamedControls(QWidget* dialog)
{
    std::vector<std::string> unnamed;
    CollectUnnamed(QAccessible::queryAccessibleInterface(dialog), unnamed);
    return unnamed;
}

// Runs the dialog and looks at it while it is up, as the user meets it.
template <class T>
std::vector<std::string> UnnamedWhileRunning(T& dialog)
{
    std::vector<std::string> unnamed{"the dialog did not come up"};
    OnNextDialog<T>([&](T* shown) {
        unnamed = UnnamedControls(shown);
        shown->reject();
    });
    dialog.exec();
    return unnamed;
}

using Unnamed = std::vector<std::string>;

}  // namespace

TEST(DialogNames, EveryReachableControlHasAName)
{
    const CEngineList engines = BuiltInEngines();

    CCatalogDlg catalog(engines);
    EXPECT_EQ(UnnamedWhileRunning(catalog), Unnamed{}) << "catalogue";

    CEditSearch add(&catalog, CEditSearch::EMode::Add);
    EXPECT_EQ(UnnamedWhileRunning(add), Unnamed{}) << "edit";

    CImportDlg import(engines, {});
    EXPECT_EQ(UnnamedWhileRunning(import), Unnamed{}) << "import";

    CHotkeyDlg hotkey(QKeySequence(QStringLiteral("Ctrl+Alt+S")), {});
    EXPECT_EQ(UnnamedWhileRunning(hotkey), Unnamed{}) << "hotkey";

    CAboutDlg about;
    EXPECT_EQ(UnnamedWhileRunning(about), Unnamed{}) << "about";

    CUpdateBuiltinsDlg update(engines);
    EXPECT_EQ(UnnamedWhileRunning(update), Unnamed{}) << "update";
}

// A label bound to its control is what names it, also for a control that
// hands the keyboard to a field inside it.
TEST(DialogNames, LabelsNameTheFieldsTheyStandFor)
{
    CEditSearch add(nullptr, CEditSearch::EMode::Add);
    auto* url = add.findChild<QWidget*>(QStringLiteral("urlEdit"));
    ASSERT_NE(url, nullptr);
    EXPECT_EQ(QAccessible::queryAccessibleInterface(url)->text(QAccessible::Name), QStringLiteral("Url:"));

    CHotkeyDlg hotkey(QKeySequence(), {});
    auto* sequence = hotkey.findChild<QKeySequenceEdit*>();
    ASSERT_NE(sequence, nullptr);
    auto* field = sequence->findChild<QLineEdit*>();
    ASSERT_NE(field, nullptr);
    EXPECT_EQ(QAccessible::queryAccessibleInterface(field)->text(QAccessible::Name),
              QStringLiteral("Keys that bring the bar down from anywhere:"));

    CImportDlg import(CEngineList(), {});
    auto* sources = import.findChild<QWidget*>(QStringLiteral("importSources"));
    ASSERT_NE(sources, nullptr);
    EXPECT_EQ(QAccessible::queryAccessibleInterface(sources)->text(QAccessible::Name), QStringLiteral("Sources:"));
}
