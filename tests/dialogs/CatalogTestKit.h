// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Reading the catalogue dialog the way a user sees it, and driving its
// add dialog.

#include "DialogTestKit.h"

#include "dialogs/CatalogDlg.h"
#include "dialogs/CatalogModel.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <string>
#include <vector>

inline QString Counter(const CCatalogDlg& dlg, const char* name)
{
    return dlg.findChild<QLabel*>(QLatin1String(name))->text();
}

inline std::vector<bool> Boxes(const CCatalogDlg& dlg)
{
    std::vector<bool> boxes;
    const CCatalogModel* model = dlg.Model();
    for (int row = 0; row < model->rowCount(); ++row) {
        boxes.push_back(model->data(model->index(row, 0), Qt::CheckStateRole).toInt() == Qt::Checked);
    }
    return boxes;
}

// The rows as the list shows them: "name|abbreviation|group".
inline std::vector<std::string> Rows(const CCatalogDlg& dlg)
{
    std::vector<std::string> rows;
    const CCatalogModel* model = dlg.Model();
    for (int row = 0; row < model->rowCount(); ++row) {
        QString line;
        for (int column = 0; column < 3; ++column) {
            if (column) line += QLatin1Char('|');
            line += model->data(model->index(row, column)).toString();
        }
        rows.push_back(line.toStdString());
    }
    return rows;
}

inline void Click(QWidget* w, const char* button)
{
    w->findChild<QPushButton*>(QLatin1String(button))->click();
}

inline void ClickHeader(CCatalogDlg& dlg, int column)
{
    QHeaderView* header = dlg.ListView()->header();
    const QPoint at(header->sectionViewportPosition(column) + 4, header->height() / 2);
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, at);
}

// Fills the add dialog that comes up over `catalog` and confirms it.
inline void AddThroughDialog(CCatalogDlg& catalog, const QString& name, const QString& group)
{
    OnNextModal(
        [=](QWidget* w) {
            w->findChild<QLineEdit*>(QStringLiteral("nameEdit"))->setText(name);
            w->findChild<QComboBox*>(QStringLiteral("groupCombo"))->setCurrentText(group);
            Click(w, "okButton");
        },
        &catalog);
    catalog.OnAdd();
}
