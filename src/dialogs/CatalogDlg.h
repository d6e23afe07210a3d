// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "store/EngineList.h"

#include <QDialog>
#include <QRect>

#include <cstdint>
#include <vector>

class CCatalogModel;
class CCatalogView;
class CSimpleLink;
class QAction;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QPoint;
class QPushButton;

// The catalogue: which engines the engine menu lists, sorting by a column,
// adding, changing, deleting and moving entries, a filter over the rows and
// the built-in engines back on request. It works on its own copy of the
// engine list; after exec() returns Accepted the caller takes WorkingList()
// over, after Rejected it takes nothing.
//
// Every command acts on the working-list entries behind the rows the filter
// leaves visible; the counters always count the whole list.
//
// The check boxes are the working list's `selected` flags themselves, so a box
// ticked by hand survives a sort, an Add, an Edit or "Uncheck All" (which
// clears it). The counters show the state of the last refill.
class CCatalogDlg : public QDialog {
    Q_OBJECT

public:
    CCatalogDlg(const CEngineList& engines, QWidget* parent = nullptr);
    ~CCatalogDlg() override;

    const CEngineList& WorkingList() const { return m_working; }

    // The working-list index of the row the user last selected, -1 when
    // there is none.
    int SelectionMark() const;
    // The working-list indexes of every selected row, ascending.
    std::vector<std::int32_t> SelectedEntries() const;

    bool SortAscending() const { return m_sortAscending; }
    int SortColumn() const { return m_sortColumn; }

    // The dialog's commands, as the header, the link, the list's double click
    // and context menu, and the buttons run them.
    void Sort(int column);
    void OnAdd();
    void OnEdit();
    void OnDelete();
    void OnMoveUp();
    void OnMoveDown();
    void OnRestoreBuiltIns();
    // Built-in engines the user left as they were, brought up to today's
    // addresses through the update dialog.
    void OnUpdateBuiltIns();
    void OnUncheckAll();
    // Engines from other programs, through the import dialog, appended at the end.
    void OnImport();
    void OnOk();

    // Whether a command can act now; its menu entry and shortcut are
    // disabled when it cannot.
    bool CanEdit() const;
    bool CanDelete() const;
    bool CanMoveUp() const;
    bool CanMoveDown() const;
    bool CanRestoreBuiltIns() const;
    bool CanUpdateBuiltIns() const;

    CCatalogView* ListView() const { return m_list; }
    CCatalogModel* Model() const { return m_model; }
    QLineEdit* FilterField() const { return m_filter; }
    // The context menu's entries, in order; nullptr stands for a separator.
    const std::vector<QAction*>& ContextActions() const { return m_contextActions; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Refill(int currentEntry);
    void LayoutCounters();
    void CreateActions();
    void UpdateActions();
    void ShowContextMenu(const QPoint& pos);
    void ApplyFilter(const QString& text);
    // The one selected entry that Move Up and Move Down move, -1 unless
    // exactly one row is selected.
    int MoveTarget() const;
    void MoveBy(int step);

    QLabel* m_selectedCounter = nullptr;
    QLabel* m_allItemsCounter = nullptr;
    CSimpleLink* m_uncheckAll = nullptr;
    QRect m_listRect;
    CCatalogView* m_list = nullptr;
    CEngineList m_working;
    bool m_sortAscending = false;
    int m_sortColumn = 0;

    CCatalogModel* m_model = nullptr;
    QLabel* m_selectedLabel = nullptr;
    QLabel* m_allItemsLabel = nullptr;
    QLineEdit* m_filter = nullptr;
    std::vector<QAction*> m_contextActions;
    QAction* m_restoreAction = nullptr;
    QAction* m_updateAction = nullptr;
};
