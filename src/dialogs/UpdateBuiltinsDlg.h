// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "engines/NewerForms.h"
#include "store/EngineList.h"

#include <QDialog>

#include <vector>

class QCheckBox;
class QTreeWidget;

// Lists the catalogue entries that still hold a built-in template with a
// newer form, each with what would change, all ticked; the user unticks any
// to leave it as it is. It never touches the catalogue; after OK the
// catalogue applies ChosenUpdates().
class CUpdateBuiltinsDlg : public QDialog {
    Q_OBJECT

public:
    // `working` is the catalogue's working list.
    explicit CUpdateBuiltinsDlg(const CEngineList& working, QWidget* parent = nullptr);
    ~CUpdateBuiltinsDlg() override;

    // The ticked rows' updates, in list order.
    std::vector<SBuiltInUpdate> ChosenUpdates() const;
    // Closed engines are deleted instead of unticked.
    bool DeleteClosed() const;

    QTreeWidget* Checklist() const { return m_checklist; }
    // nullptr when no closed engine is offered.
    QCheckBox* DeleteClosedBox() const { return m_deleteClosed; }

    static constexpr int kColumnName = 0;
    static constexpr int kColumnChange = 1;
    static constexpr int kColumnNow = 2;

private:
    void ShowClosedChanges();

    std::vector<SBuiltInUpdate> m_offers;
    QTreeWidget* m_checklist = nullptr;
    QCheckBox* m_deleteClosed = nullptr;
};
