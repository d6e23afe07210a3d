// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QMenu>
#include <QPoint>
#include <QRect>

#include <span>

class QAction;
class QActionGroup;
struct SMenuRow;

// Where a popup opens under a box given in global coordinates: left-aligned,
// its top-left at the box's bottom-left corner; or right-aligned, its right
// edge on the box's right edge. Edges here are exclusive: the menu's first row
// is the first row below the box.
QPoint LeftAlignedBelow(const QRect& globalBox);
QPoint RightAlignedBelow(const QRect& globalBox, int menuWidth);

// The command id an action carries, or -1 for separators, submenu entries and
// foreign actions.
int CommandId(const QAction* action);

// A popup menu, with submenus, whose entries carry command ids. Whatever entry
// the user picks, in this menu or a submenu, comes out as one command(id)
// signal of this object, so the bar routes every choice through one slot.
//
// Check and radio marks follow CheckMenuRadioItem and CheckMenuItem alone: a
// click does not move them by itself, the command handler does. This keeps the
// marks right when a command arrives without the menu (start-up replay,
// double click) and when the handler decides not to act.
class CCommandMenu : public QMenu {
    Q_OBJECT

public:
    enum class EAlign {
        Left,
        Right
    };

    explicit CCommandMenu(EAlign align, QWidget* parent = nullptr);

    // The entry with this id anywhere in the menu tree, or null.
    QAction* FindCommand(int id) const;

    // Marks entry `id` and clears the mark of every other entry in
    // first..last. Without an entry `id` no entry of the range keeps a mark.
    void CheckMenuRadioItem(int first, int last, int id);

    // Sets or clears the ordinary check mark of entry `id`; no entry, no effect.
    void CheckMenuItem(int id, bool checked);

    bool IsChecked(int id) const;

    // Where the popup goes under the box it belongs to (global coordinates),
    // by this menu's alignment and current size.
    QPoint PopupPosition(const QRect& globalBox) const;
    // Opens the menu there and returns at once.
    void PopupBelow(const QRect& globalBox);
    // Opens the menu there and returns when it has closed; the chosen entry's
    // command has been emitted by then.
    void ExecBelow(const QRect& globalBox);

    // The submenu with this English title (the option table's label),
    // anywhere in the tree, or null.
    QMenu* FindSubmenu(const QString& title) const;

signals:
    void command(int id);

protected:
    // Appends rows of the option table: entries, radio entries (the choices
    // of one submenu share a group), check entries, separators and submenus.
    void AddRows(std::span<const SMenuRow> rows);
    // Appends an entry to `menu`, this menu or one of its submenus.
    QAction* AddCommand(QMenu* menu, const QString& text, int id);
    // An entry that shows the radio mark of `group`'s range.
    QAction* AddRadioCommand(QMenu* menu, const QString& text, int id, QActionGroup* group);
    // An entry with an ordinary check mark.
    QAction* AddCheckCommand(QMenu* menu, const QString& text, int id, bool checked);
    // A group for radio entries; "none marked" is allowed.
    QActionGroup* NewRadioGroup();

private:
    void OnTriggered(QAction* action);
    static void SetMark(QAction* action, bool marked);
    static void RestoreMarks(QAction* triggered);

    EAlign m_align;
};
