// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDialog>
#include <QKeySequence>

#include <functional>

class QKeySequenceEdit;
class QLabel;

// "Hotkey...": the key combination that summons the bar. A key-sequence
// field, "None" to switch the hotkey off, OK and Cancel. OK tries the
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
    QString Warning() const;

    void accept() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void KeepFirstCombination();

    TryHotkey m_tryHotkey;
    QKeySequence m_chosen;
    QKeySequenceEdit* m_field = nullptr;
    QLabel* m_warning = nullptr;
};
