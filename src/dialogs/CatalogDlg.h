#pragma once

#include "store/EngineList.h"

#include <QDialog>
#include <QRect>

class CCatalogModel;
class CCatalogView;
class CSimpleLink;
class QLabel;
class QPoint;
class QPushButton;

// The catalogue: which engines the engine menu lists, sorting by a column,
// adding and changing entries. It works on its own copy of the engine list;
// after exec() returns Accepted the caller takes WorkingList() over, after
// Rejected it takes nothing.
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

    // The row the user last selected, -1 when there is none.
    int SelectionMark() const;

    bool SortAscending() const { return m_sortAscending; }
    int SortColumn() const { return m_sortColumn; }

    // The dialog's commands, as the header, the link, the list's double click
    // and context menu, and the buttons run them.
    void Sort(int column);
    void OnAdd();
    void OnEdit();
    void OnUncheckAll();
    // Engines from other programs, through the import dialog, appended at the end.
    void OnImport();
    void OnOk();

    CCatalogView* ListView() const { return m_list; }
    CCatalogModel* Model() const { return m_model; }

private:
    void Refill(int currentRow);
    void LayoutCounters();
    void ShowContextMenu(const QPoint& pos);

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
};
