// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "bar/CompletionList.h"
#include "store/SearchHistory.h"

#include <QObject>
#include <QString>

#include <functional>
#include <string>

class CLumoraDlg;
class QKeyEvent;
class QLineEdit;

// Earlier searches in the query field: Up and Down step through them as in
// a shell, and while the user types, a list under the field offers those
// that begin with the typed text. Keeps the history and its file.
//
// The field's owner passes each key press through OnFieldKey first, records
// each search with Record, and runs a search when an entry is clicked
// (entryChosen: the entry is then the field's text). With remembering off,
// nothing is recorded or offered.
class CSearchRecall : public QObject {
    Q_OBJECT

public:
    // The look is asked for each time the list opens or moves; an invalid
    // anchor (a bar that is not down) keeps the list closed.
    using LookSource = std::function<SCompletionLook()>;
    CSearchRecall(QLineEdit* field, LookSource look, QObject* parent);

    // Reads the history file, once; what needs the history reads it first
    // when this has not run yet.
    void Load();
    bool IsLoaded() const { return m_loaded; }

    void SetEnabled(bool on);
    bool IsEnabled() const { return m_enabled; }

    // A search whose address has gone out: kept on top and written at once.
    void Record(const std::string& query);
    // Empties the history and its file.
    void Clear();

    // Handles the keys that recall and completion use; true when the key was
    // used up. Enter on a highlighted entry puts it into the field and
    // returns false, so the search that follows takes it as typed.
    bool OnFieldKey(const QKeyEvent& key);

    bool IsListOpen() const;
    // Whether the bar must stay down: the list hangs from it.
    bool HoldsBarDown() const { return IsListOpen(); }
    CCompletionList* List() const { return m_list; }
    const CSearchHistory& History() const { return m_history; }
    const std::string& FilePath() const { return m_file.Path(); }

signals:
    // An entry of the list was clicked and is now the field's text.
    void entryChosen();
    void listClosed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void OnTextEdited(const QString& text);
    void OnListClicked(int row);
    void ShowCompletions();
    void MoveHighlight(int step);
    void RemoveHighlighted();
    void RecallOlder();
    void RecallNewer();
    // `tell`: emit listClosed.
    void CloseList(bool tell = true);
    void EndRecall() { m_recallIndex = -1; }
    // Takes in what another bar wrote since; a recall in progress ends.
    void Refresh();
    void Save();

    QLineEdit* m_field;
    LookSource m_look;
    CCompletionList* m_list;
    CSearchHistory m_history;
    CHistoryFile m_file;
    bool m_loaded = false;
    bool m_enabled = true;
    // Shell recall: the entry in the field (-1: none) and what was typed
    // before the first Up.
    int m_recallIndex = -1;
    QString m_typed;
};

// The list's look and place from the bar: its colours, its query font and
// the field's white area; no anchor while the bar is up.
SCompletionLook CompletionLookOf(const CLumoraDlg& bar);
