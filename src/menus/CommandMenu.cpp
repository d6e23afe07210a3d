// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "menus/CommandMenu.h"

#include "options/OptionTable.h"

#include <QAction>
#include <QActionGroup>
#include <QCoreApplication>

#include <string>
#include <vector>

namespace {

// The mark an entry should show, kept apart from QAction's own checked state,
// which Qt flips on every click before the command is handled.
constexpr char kMarkProperty[] = "lumoraMark";

// Visits every entry with a command id in `menu` and its submenus.
template <typename F>
void ForEachCommand(const QMenu* menu, F&& visit)
{
    for (QAction* action : menu->actions()) {
        if (QMenu* sub = action->menu()) {
            ForEachCommand(sub, visit);
        } else if (CommandId(action) >= 0) {
            visit(action);
        }
    }
}

// A label of the option table as the menus show it: in the user's language
// when the translation has it, as written otherwise.
QString TranslatedLabel(std::string_view label)
{
    return QCoreApplication::translate(kLabelContext, std::string(label).c_str());
}

}  // namespace

QPoint LeftAlignedBelow(const QRect& globalBox)
{
    return QPoint(globalBox.x(), globalBox.y() + globalBox.height());
}

QPoint RightAlignedBelow(const QRect& globalBox, int menuWidth)
{
    return QPoint(globalBox.x() + globalBox.width() - menuWidth, globalBox.y() + globalBox.height());
}

int CommandId(const QAction* action)
{
    if (!action || action->isSeparator()) return -1;
    bool ok = false;
    const int id = action->data().toInt(&ok);
    return ok && action->data().isValid() ? id : -1;
}

CCommandMenu::CCommandMenu(EAlign align, QWidget* parent)
    : QMenu(parent),
      m_align(align)
{}

QAction* CCommandMenu::FindCommand(int id) const
{
    QAction* found = nullptr;
    ForEachCommand(this, [&](QAction* action) {
        if (!found && CommandId(action) == id) found = action;
    });
    return found;
}

void CCommandMenu::CheckMenuRadioItem(int first, int last, int id)
{
    QAction* target = nullptr;
    // Clear first, then mark, so an exclusive group never sees two marks.
    ForEachCommand(this, [&](QAction* action) {
        const int actionId = CommandId(action);
        if (actionId < first || actionId > last) return;
        if (actionId == id && !target) {
            target = action;
        } else {
            SetMark(action, false);
        }
    });
    if (target) SetMark(target, true);
}

void CCommandMenu::CheckMenuItem(int id, bool checked)
{
    if (QAction* action = FindCommand(id)) SetMark(action, checked);
}

bool CCommandMenu::IsChecked(int id) const
{
    const QAction* action = FindCommand(id);
    return action && action->isChecked();
}

QPoint CCommandMenu::PopupPosition(const QRect& globalBox) const
{
    if (m_align == EAlign::Left) return LeftAlignedBelow(globalBox);
    return RightAlignedBelow(globalBox, sizeHint().width());
}

void CCommandMenu::PopupBelow(const QRect& globalBox)
{
    popup(PopupPosition(globalBox));
}

void CCommandMenu::ExecBelow(const QRect& globalBox)
{
    exec(PopupPosition(globalBox));
}

QMenu* CCommandMenu::FindSubmenu(const QString& title) const
{
    const QList<QMenu*> submenus = findChildren<QMenu*>();
    for (QMenu* sub : submenus) {
        if (sub->objectName() == title) return sub;
    }
    return nullptr;
}

void CCommandMenu::AddRows(std::span<const SMenuRow> rows)
{
    struct SLevel {
        QMenu* menu;
        QActionGroup* radio;  // made at the level's first choice
    };
    std::vector<SLevel> levels{{this, nullptr}};
    for (const SMenuRow& row : rows) {
        SLevel& level = levels.back();
        const QString label = TranslatedLabel(row.label);
        switch (row.kind) {
        case EMenuRow::Entry: AddCommand(level.menu, label, row.command); break;
        case EMenuRow::Choice:
            if (!level.radio) level.radio = NewRadioGroup();
            AddRadioCommand(level.menu, label, row.command, level.radio);
            break;
        case EMenuRow::Switch: AddCheckCommand(level.menu, label, row.command, false); break;
        case EMenuRow::Separator: level.menu->addSeparator(); break;
        case EMenuRow::Submenu: {
            auto* sub = new QMenu(label, this);
            // Found by its English title, whatever the language shown.
            sub->setObjectName(QString::fromUtf8(row.label.data(), static_cast<qsizetype>(row.label.size())));
            level.menu->addMenu(sub);
            levels.push_back({sub, nullptr});
            break;
        }
        case EMenuRow::EndSubmenu:
            if (levels.size() > 1) levels.pop_back();
            break;
        }
    }
}

QAction* CCommandMenu::AddCommand(QMenu* menu, const QString& text, int id)
{
    auto* action = new QAction(text, menu);
    action->setData(id);
    connect(action, &QAction::triggered, this, [this, action] { OnTriggered(action); });
    menu->addAction(action);
    return action;
}

QAction* CCommandMenu::AddRadioCommand(QMenu* menu, const QString& text, int id, QActionGroup* group)
{
    QAction* action = AddCommand(menu, text, id);
    action->setCheckable(true);
    group->addAction(action);
    SetMark(action, false);
    return action;
}

QAction* CCommandMenu::AddCheckCommand(QMenu* menu, const QString& text, int id, bool checked)
{
    QAction* action = AddCommand(menu, text, id);
    action->setCheckable(true);
    SetMark(action, checked);
    return action;
}

QActionGroup* CCommandMenu::NewRadioGroup()
{
    auto* group = new QActionGroup(this);
    group->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
    return group;
}

void CCommandMenu::OnTriggered(QAction* action)
{
    RestoreMarks(action);
    emit command(CommandId(action));
}

void CCommandMenu::SetMark(QAction* action, bool marked)
{
    action->setProperty(kMarkProperty, marked);
    action->setChecked(marked);
}

void CCommandMenu::RestoreMarks(QAction* triggered)
{
    if (!triggered->isCheckable()) return;
    // The click may have flipped this entry and, through its group, cleared
    // the marked one; put the group back as it was, clearing before marking.
    QList<QAction*> affected{triggered};
    if (QActionGroup* group = triggered->actionGroup()) affected = group->actions();
    for (QAction* action : affected) {
        if (!action->property(kMarkProperty).toBool()) action->setChecked(false);
    }
    for (QAction* action : affected) {
        if (action->property(kMarkProperty).toBool()) action->setChecked(true);
    }
}
