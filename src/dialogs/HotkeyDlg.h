// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDialog>
#include <QKeySequence>

#include <functional>

class QKeySequenceEdit;
class QLabel;

// "Hotkey...": the key combination that summons the bar, and the one that
// summons it with the selected text. Each a key-sequence field with "None"
// beside it to switch it off, then OK and Cancel. OK tries the
// combination first; one that cannot be had keeps the dialog open with a
// warning, and the old combination stays. Escape and Enter in the field
// cancel and confirm, as elsewhere in the dialog.
class CHotkeyDlg : public QDialog {
    Q_OBJECT

public:
    // Puts `sequence` in force; returns the warning to show when it cannot
    // be, empty when it is.
    using TryHotkey = std::function<QString(const QKeySequence& sequence)>;

    CHotkeyDlg(const QKeySequence& current, TryHotkey tryHotkey, QWidget* parent = nullptr);

    // After OK: the combination now in force (empty: none).
    QKeySequence Chosen() const { return m_chosen; }
    QKeySequenceEdit* Field() const { return m_field; }
    // The second combination: what it is now and how to put another in force.
    void SetSelectionHotkey(const QKeySequence& current, TryHotkey tryHotkey);
    QKeySequence ChosenSelection() const { return m_chosenSelection; }
    QKeySequenceEdit* SelectionField() const { return m_selectionField; }
    QString Warning() const;

    void accept() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void KeepFirstCombination();

    TryHotkey m_tryHotkey;
    QKeySequence m_chosen;
    QKeySequenceEdit* m_field = nullptr;
    TryHotkey m_trySelection;
    QKeySequence m_chosenSelection;
    QKeySequenceEdit* m_selectionField = nullptr;
    QLabel* m_warning = nullptr;
};
