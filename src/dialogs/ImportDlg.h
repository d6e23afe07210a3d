// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "import/Sources.h"
#include "store/EngineList.h"

#include <QDialog>

#include <functional>
#include <string>
#include <vector>

class QLabel;
class QListWidget;
class QListWidgetItem;
class QTreeWidget;
class QTreeWidgetItem;

// Brings engines over from other programs. Lists the sources found, each with
// its number of engines (or why it could not be read), and "OpenSearch
// file..." last. The chosen source's engines show as a checklist: the ones
// the user made are ticked, shipped ones are not, and an engine whose
// template the catalogue already holds is unticked and marked, and so is a
// keyword another engine of the catalogue answers to first. It never
// touches the catalogue; after OK the catalogue appends ChosenEngines().
class CImportDlg : public QDialog {
    Q_OBJECT

public:
    // Every source is read here, once. `existing` is the catalogue's working list.
    CImportDlg(const CEngineList& existing, const std::vector<SImportSource>& sources, QWidget* parent = nullptr);
    ~CImportDlg() override;

    // The sources found in the user's home and the system's folders; none
    // when the importers cannot be loaded (each read then says why).
    static std::vector<SImportSource> FoundSources();

    // The ticked engines of every source, in source order, as catalogue
    // entries: not in the engine menu, the source's name as group, its keyword
    // as abbreviation. A template already in the catalogue, or chosen from an
    // earlier source, is not given twice.
    std::vector<SSearch> ChosenEngines() const;

    // How "OpenSearch file..." asks for a file; a test puts its own here.
    using FileChooser = std::function<QString(QWidget* parent)>;
    void SetFileChooser(FileChooser chooser) { m_chooseFile = std::move(chooser); }

    // The rows as the user sees and uses them.
    QListWidget* SourceList() const { return m_sources; }
    QTreeWidget* Checklist() const { return m_checklist; }
    QLabel* Note() const { return m_note; }
    void ChooseSource(int row);
    // Runs "OpenSearch file...": asks for a file and adds it as a source.
    void OnOpenSearchFile();

    static constexpr int kColumnName = 0;
    static constexpr int kColumnKeyword = 1;
    static constexpr int kColumnAddress = 2;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct SLoaded {
        SImportSource source;
        SImportResult result;
        std::vector<bool> ticked;
        std::vector<bool> already;
    };

    void AddLoaded(const SImportSource& source, SImportResult result, int row);
    QString SourceText(const SLoaded& loaded) const;
    void ShowSource(int row);
    void OnItemChanged(QTreeWidgetItem* item, int column);
    void OnSourceClicked(QListWidgetItem* item);
    bool IsOpenSearchRow(int row) const;
    // The catalogue's engine that already answers to this keyword, if any.
    const SSearch* KeywordOwner(const std::string& keyword) const;

    CEngineList m_existing;
    std::vector<SLoaded> m_loaded;  // row i of the source list is m_loaded[i]; the last row is "OpenSearch file..."
    QListWidget* m_sources = nullptr;
    QTreeWidget* m_checklist = nullptr;
    QLabel* m_note = nullptr;
    int m_shown = -1;
    bool m_filling = false;
    FileChooser m_chooseFile;
};
