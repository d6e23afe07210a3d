// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "store/EngineList.h"

#include <QAbstractTableModel>
#include <QTreeView>

#include <cstdint>
#include <string>
#include <vector>

// The catalogue dialog's working list as a table: name (with the check box
// that stands for `selected`), abbreviation and group. The rows are the
// entries that pass the filter, in list order; with no filter row i is entry
// i. The model never reorders anything by itself.
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

    // Tells the views the whole list may have changed, and picks the rows
    // that pass the filter again.
    void Reset();

    // Shows only the entries whose name, abbreviation, group or address
    // contains `text`, ignoring case; an empty text shows every entry.
    void SetFilter(const QString& text);
    const QString& Filter() const { return m_filter; }

    // The working-list index behind a row, -1 for no such row.
    std::int32_t EntryAt(int row) const;
    // The row that shows an entry, -1 when the filter hides it.
    int RowOf(std::int32_t entry) const;

private:
    bool Passes(const SSearch& entry) const;

    CEngineList& m_list;
    QString m_filter;
    // The filter lower-cased, when it is all ASCII; empty otherwise.
    std::string m_asciiFilter;
    // The entries shown, ascending; only kept while a filter is set.
    std::vector<std::int32_t> m_rows;
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
