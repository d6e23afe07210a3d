// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogs/HotkeyDlg.h"

#include "dialogs/AccessibleNames.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QKeySequenceEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// The field takes up to four combinations; a hotkey is one.
void KeepFirst(QKeySequenceEdit* field)
{
    const QKeySequence sequence = field->keySequence();
    if (sequence.count() > 1) field->setKeySequence(QKeySequence(sequence[0]));
}

}  // namespace

CHotkeyDlg::CHotkeyDlg(const QKeySequence& current, TryHotkey tryHotkey, QWidget* parent)
    : QDialog(parent),
      m_tryHotkey(std::move(tryHotkey)),
      m_chosen(current)
{
    setWindowTitle(tr("Hotkey"));
    auto* layout = new QVBoxLayout(this);
    auto* prompt = new QLabel(tr("Keys that bring the bar down from anywhere:"), this);
    layout->addWidget(prompt);

    auto* row = new QHBoxLayout;
    m_field = new QKeySequenceEdit(current, this);
    BindLabel(prompt, m_field);
    row->addWidget(m_field, 1);
    auto* none = new QPushButton(tr("None"), this);
    // A press on "None" must not end in the field as the new hotkey.
    none->setAutoDefault(false);
    row->addWidget(none);
    layout->addLayout(row);

    auto* selectionPrompt = new QLabel(tr("Keys that bring it down with the text selected in any program:"), this);
    layout->addWidget(selectionPrompt);
    auto* selectionRow = new QHBoxLayout;
    m_selectionField = new QKeySequenceEdit(this);
    BindLabel(selectionPrompt, m_selectionField);
    selectionRow->addWidget(m_selectionField, 1);
    auto* selectionNone = new QPushButton(tr("None"), this);
    selectionNone->setAutoDefault(false);
    selectionRow->addWidget(selectionNone);
    layout->addLayout(selectionRow);

    m_warning = new QLabel(this);
    m_warning->setWordWrap(true);
    m_warning->setVisible(false);
    QPalette warningColors = m_warning->palette();
    warningColors.setColor(QPalette::WindowText, QColor(0xb0, 0, 0));
    m_warning->setPalette(warningColors);
    layout->addWidget(m_warning);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    layout->addWidget(buttons);

    m_field->installEventFilter(this);
    if (auto* text = m_field->findChild<QLineEdit*>()) text->installEventFilter(this);
    m_selectionField->installEventFilter(this);
    if (auto* text = m_selectionField->findChild<QLineEdit*>()) text->installEventFilter(this);

    connect(none, &QPushButton::clicked, m_field, &QKeySequenceEdit::clear);
    connect(m_field, &QKeySequenceEdit::editingFinished, this, &CHotkeyDlg::KeepFirstCombination);
    connect(selectionNone, &QPushButton::clicked, m_selectionField, &QKeySequenceEdit::clear);
    connect(m_selectionField, &QKeySequenceEdit::editingFinished, this, &CHotkeyDlg::KeepFirstCombination);
    connect(buttons, &QDialogButtonBox::accepted, this, &CHotkeyDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CHotkeyDlg::reject);
}

// The field would record Escape and Enter like any other key, and the
// dialog could then be neither cancelled nor confirmed from the keyboard. A
// hotkey without modifiers would take its key from every program anyway.
bool CHotkeyDlg::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<const QKeyEvent*>(event);
        const Qt::KeyboardModifiers modifiers = key->modifiers() & ~Qt::KeypadModifier;
        if (modifiers == Qt::NoModifier) {
            switch (key->key()) {
            case Qt::Key_Escape: reject(); return true;
            case Qt::Key_Return:
            case Qt::Key_Enter: accept(); return true;
            default: break;
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}

QString CHotkeyDlg::Warning() const
{
    return m_warning->isHidden() ? QString() : m_warning->text();
}

void CHotkeyDlg::SetSelectionHotkey(const QKeySequence& current, TryHotkey tryHotkey)
{
    m_chosenSelection = current;
    m_selectionField->setKeySequence(current);
    m_trySelection = std::move(tryHotkey);
}

void CHotkeyDlg::KeepFirstCombination()
{
    KeepFirst(m_field);
    KeepFirst(m_selectionField);
}

void CHotkeyDlg::accept()
{
    KeepFirstCombination();
    const QKeySequence wanted = m_field->keySequence();
    const QKeySequence wantedSelection = m_selectionField->keySequence();
    QString warning;
    // One combination cannot do two things.
    if (!wanted.isEmpty() && wanted == wantedSelection)
        warning = tr("%1 cannot summon the bar both ways; choose two combinations.")
                      .arg(wanted.toString(QKeySequence::PortableText));
    if (warning.isEmpty() && m_tryHotkey) warning = m_tryHotkey(wanted);
    if (warning.isEmpty() && m_trySelection) warning = m_trySelection(wantedSelection);
    if (!warning.isEmpty()) {
        m_warning->setText(warning);
        m_warning->setVisible(true);
        return;
    }
    m_chosen = wanted;
    m_chosenSelection = wantedSelection;
    QDialog::accept();
}
