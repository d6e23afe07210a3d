// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "bar/SearchRecall.h"

#include "bar/BarLook.h"
#include "bar/LumoraDlg.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>

#include <algorithm>
#include <utility>

namespace {

QString ToQString(const std::string& text)
{
    return QString::fromStdString(text);
}

// The key without the keypad flag, so the keypad's arrows and Enter count.
Qt::KeyboardModifiers Modifiers(const QKeyEvent& key)
{
    return key.modifiers() & ~Qt::KeypadModifier;
}

}  // namespace

CSearchRecall::CSearchRecall(QLineEdit* field, LookSource look, QObject* parent)
    : QObject(parent),
      m_field(field),
      m_look(std::move(look)),
      m_list(new CCompletionList(field->window())),
      m_file(HistoryPath())
{
    connect(m_field, &QLineEdit::textEdited, this, &CSearchRecall::OnTextEdited);
    connect(m_list, &CCompletionList::clicked, this, &CSearchRecall::OnListClicked);
    m_field->installEventFilter(this);
    if (m_field->window() != m_field) m_field->window()->installEventFilter(this);
}

void CSearchRecall::Load()
{
    if (m_loaded) return;
    m_loaded = true;
    m_file.Load(m_history);
}

void CSearchRecall::SetEnabled(bool on)
{
    m_enabled = on;
    if (on) return;
    CloseList();
    EndRecall();
}

void CSearchRecall::Refresh()
{
    Load();
    if (m_file.Reload(m_history)) EndRecall();
}

void CSearchRecall::Save()
{
    // A history that cannot be written stays for this run.
    m_file.Save(m_history);
}

void CSearchRecall::Record(const std::string& query)
{
    if (!m_enabled) return;
    CloseList();
    EndRecall();
    Refresh();
    if (m_history.Add(query)) Save();
}

void CSearchRecall::Clear()
{
    CloseList();
    EndRecall();
    m_loaded = true;  // nothing from before counts any more
    m_history.Clear();
    Save();
}

bool CSearchRecall::IsListOpen() const
{
    return m_list->isVisible();
}

bool CSearchRecall::OnFieldKey(const QKeyEvent& key)
{
    if (!m_enabled) return false;
    const Qt::KeyboardModifiers modifiers = Modifiers(key);
    const bool plain = modifiers == Qt::NoModifier;
    if (IsListOpen()) {
        switch (key.key()) {
        case Qt::Key_Down:
            if (!plain) return false;
            MoveHighlight(1);
            return true;
        case Qt::Key_Up:
            if (!plain) return false;
            MoveHighlight(-1);
            return true;
        case Qt::Key_Escape: CloseList(); return true;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            if (m_list->Highlighted() >= 0) m_field->setText(m_list->Entry(m_list->Highlighted()));
            CloseList();
            return false;
        case Qt::Key_Delete:
            if (modifiers != Qt::ShiftModifier || m_list->Highlighted() < 0) return false;
            RemoveHighlighted();
            return true;
        default: return false;
        }
    }
    if (!plain) return false;
    switch (key.key()) {
    case Qt::Key_Up: RecallOlder(); return true;
    case Qt::Key_Down:
        // Past a recall, Down walks back; otherwise it opens the list.
        if (m_recallIndex >= 0) {
            RecallNewer();
        } else {
            ShowCompletions();
        }
        return true;
    default: return false;
    }
}

// Like a shell: the text typed so far is kept aside at the first Up and comes
// back when Down goes past the newest entry.
void CSearchRecall::RecallOlder()
{
    Refresh();
    const int next = m_recallIndex + 1;
    if (next >= static_cast<int>(m_history.Size())) return;
    if (m_recallIndex < 0) m_typed = m_field->text();
    m_recallIndex = next;
    // setText, unlike typing, opens no list and keeps the recall going.
    m_field->setText(ToQString(m_history.At(static_cast<std::size_t>(m_recallIndex))));
}

void CSearchRecall::RecallNewer()
{
    if (m_recallIndex < 0) return;
    --m_recallIndex;
    m_field->setText(m_recallIndex < 0 ? m_typed : ToQString(m_history.At(static_cast<std::size_t>(m_recallIndex))));
}

// Typing after a recall edits the recalled text: it is what was typed now.
void CSearchRecall::OnTextEdited(const QString&)
{
    EndRecall();
    // New text, new rows: none is highlighted yet.
    m_list->SetHighlighted(-1);
    if (m_enabled) ShowCompletions();
}

void CSearchRecall::ShowCompletions()
{
    Load();
    const std::vector<std::string> matches = m_history.Complete(m_field->text().toStdString());
    const SCompletionLook look = m_look ? m_look() : SCompletionLook{};
    if (matches.empty() || !look.anchor.isValid()) {
        CloseList();
        return;
    }
    QStringList entries;
    for (const std::string& match : matches) entries.push_back(ToQString(match));
    const int highlighted = IsListOpen() ? m_list->Highlighted() : -1;
    m_list->SetEntries(entries);
    m_list->SetHighlighted(std::min(highlighted, m_list->Count() - 1));
    m_list->Place(look);
    if (!m_list->isVisible()) m_list->show();
    m_list->raise();
}

// Down from the last row and Up from the first leave the list without a
// highlight, where Enter searches the typed text; one more step wraps.
void CSearchRecall::MoveHighlight(int step)
{
    const int count = m_list->Count();
    int row = m_list->Highlighted();
    if (row < 0) {
        row = step > 0 ? 0 : count - 1;
    } else {
        row += step;
        if (row >= count) row = -1;
    }
    m_list->SetHighlighted(row);
}

void CSearchRecall::RemoveHighlighted()
{
    const QString entry = m_list->Entry(m_list->Highlighted());
    Refresh();
    if (m_history.Remove(entry.toStdString())) Save();
    // The row keeps its place; the entry below moves up into it.
    ShowCompletions();
}

void CSearchRecall::OnListClicked(int row)
{
    const QString entry = m_list->Entry(row);
    CloseList();
    EndRecall();
    m_field->setText(entry);
    emit entryChosen();
}

void CSearchRecall::CloseList(bool tell)
{
    if (!m_list->isVisible()) return;
    m_list->hide();
    if (tell) emit listClosed();
}

// The list hangs under the field: it goes when the bar loses the keyboard,
// is hidden or is clicked, and follows the bar when it moves.
bool CSearchRecall::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::FocusOut:
        if (watched == m_field) CloseList();
        break;
    case QEvent::MouseButtonPress:
    case QEvent::WindowDeactivate: CloseList(); break;
    case QEvent::Hide:
        // Quietly: a bar that hides is done with its polls, and one being
        // destroyed hides before its children go, with its own members gone.
        if (watched != m_field) CloseList(false);
        break;
    case QEvent::Move:
        if (watched != m_field && IsListOpen()) ShowCompletions();
        break;
    default: break;
    }
    return QObject::eventFilter(watched, event);
}

SCompletionLook CompletionLookOf(const CLumoraDlg& bar)
{
    const SColorScheme& colors = bar.Colors();
    SCompletionLook look;
    look.back = colors.back;
    look.line = colors.line;
    look.text = colors.text;
    look.highlightText = kFieldColor;
    look.font = bar.QueryFont();
    if (bar.AutoHide().IsShown() && bar.isVisible()) {
        const QRect field = bar.Layout().fieldRect;
        look.anchor = QRect(bar.mapToGlobal(field.topLeft()), field.size());
    }
    return look;
}
