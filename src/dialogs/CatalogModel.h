#pragma once

#include "store/EngineList.h"

#include <QAbstractTableModel>
#include <QTreeView>

// The catalogue dialog's working list as a table: name (with the check box
// that stands for `selected`), abbreviation and group. Row i is entry i; the
// model never reorders anything by itself.
class CCatalogModel : public QAbstractTableModel {
    Q_OBJECT

public:
    CCatalogModel(CEngineList& list, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    // Tells the views the whole list may have changed.
    void Reset();

private:
    CEngineList& m_list;
};

// A report-style list: clickable headers, full-row selection, no tree
// decoration. A double click away from a check box asks for the row's edit;
// Space ticks or clears the current row's box whichever column is current.
class CCatalogView : public QTreeView {
    Q_OBJECT

public:
    explicit CCatalogView(QWidget* parent = nullptr);

signals:
    void rowDoubleClicked(int row);

protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    bool OnCheckIndicator(const QModelIndex& index, const QPoint& pos) const;
};
