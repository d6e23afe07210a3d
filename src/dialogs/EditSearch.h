// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "store/SSearch.h"

#include <QDialog>
#include <QStringList>

class CCatalogDlg;
class QComboBox;
class QLineEdit;

// Fills in one engine record for the catalogue dialog: a new one (add mode)
// or a copy of the working-list entry at the catalogue's selection mark (edit
// mode). It never writes into the catalogue; after OK the catalogue copies
// Record().
class CEditSearch : public QDialog {
    Q_OBJECT

public:
    enum class EMode {
        Add,
        Edit
    };

    // The catalogue is the parent and, in edit mode, the source of the entry.
    // Nothing is read from it before exec().
    CEditSearch(CCatalogDlg* catalog, EMode mode);

    // Edit mode without a valid row reports the invalid-argument error and
    // returns Rejected without showing the dialog.
    int exec() override;

    const SSearch& Record() const { return m_record; }
    bool IsEditMode() const { return m_editMode; }

    // Index of the group the box shows for a record's group: the first item,
    // counting from the second and wrapping round to the first, that starts
    // with the group regardless of case; "Other" when none does. An empty
    // group starts no item.
    static int GroupItemFor(const QStringList& items, const QString& group);

    static constexpr const char* kEmptyNameText = QT_TRANSLATE_NOOP("CEditSearch", "Empty Serch Name");

private:
    bool InitDialog();
    void OnOk();

    CCatalogDlg* m_catalog;
    SSearch m_record;
    QLineEdit* m_name = nullptr;
    QLineEdit* m_abbreviation = nullptr;
    QLineEdit* m_url = nullptr;
    QComboBox* m_group = nullptr;
    bool m_editMode;
    bool m_initialised = false;
};
