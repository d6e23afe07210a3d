// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogs/CatalogDlg.h"

#include "dialogs/CatalogModel.h"
#include "dialogs/CatalogSort.h"
#include "dialogs/DialogSupport.h"
#include "dialogs/EditSearch.h"
#include "dialogs/ImportDlg.h"
#include "dialogs/SimpleLink.h"
#include "dialogs/UpdateBuiltinsDlg.h"
#include "engines/Catalog.h"
#include "engines/NewerForms.h"
#include "platform/DialogUnits.h"
#include "store/TextUtil.h"

#include <QAction>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>

#include <algorithm>
#include <array>
#include <string>
#include <unordered_set>

namespace {

constexpr int kWidthDu = 219;
constexpr int kHeightDu = 260;

// The counter row: "Selected:" n "All Items:" n, left edges and widths in
// dialog units, ending at the list's right edge.
struct SCounterSlot {
    int x;
    int width;
};
constexpr std::array<SCounterSlot, 4> kCounterSlots{{{105, 31}, {137, 13}, {155, 31}, {194, 18}}};
constexpr int kCounterRowY = 7;
constexpr int kCounterRowHeight = 8;
constexpr int kCounterRowRight = 212;

QString CountText(std::int32_t n)
{
    return QString::fromStdString(FormatNumber(static_cast<double>(n)));
}

// The list's context menu, top to bottom. A row without text is a separator.
// The shortcuts work while the list has the focus, so the filter field keeps
// Delete and the arrow keys for its own text.
struct SContextEntry {
    const char* text;
    QKeyCombination shortcut;
    void (CCatalogDlg::*run)();
    bool (CCatalogDlg::*canRun)() const;
};
const std::array kContextMenu{
    SContextEntry{QT_TRANSLATE_NOOP("CCatalogDlg", "Add..."), Qt::Key_Insert, &CCatalogDlg::OnAdd, nullptr},
    SContextEntry{QT_TRANSLATE_NOOP("CCatalogDlg", "Edit..."), Qt::Key_F2, &CCatalogDlg::OnEdit, &CCatalogDlg::CanEdit},
    SContextEntry{QT_TRANSLATE_NOOP("CCatalogDlg", "Delete"), Qt::Key_Delete, &CCatalogDlg::OnDelete,
                  &CCatalogDlg::CanDelete},
    SContextEntry{nullptr, {}, nullptr, nullptr},
    SContextEntry{QT_TRANSLATE_NOOP("CCatalogDlg", "Move Up"), Qt::ALT | Qt::Key_Up, &CCatalogDlg::OnMoveUp,
                  &CCatalogDlg::CanMoveUp},
    SContextEntry{QT_TRANSLATE_NOOP("CCatalogDlg", "Move Down"), Qt::ALT | Qt::Key_Down, &CCatalogDlg::OnMoveDown,
                  &CCatalogDlg::CanMoveDown},
    SContextEntry{nullptr, {}, nullptr, nullptr},
    SContextEntry{QT_TRANSLATE_NOOP("CCatalogDlg", "Restore Built-in Engines"),
                  {},
                  &CCatalogDlg::OnRestoreBuiltIns,
                  &CCatalogDlg::CanRestoreBuiltIns},
    SContextEntry{QT_TRANSLATE_NOOP("CCatalogDlg", "Update Built-in Engines..."),
                  {},
                  &CCatalogDlg::OnUpdateBuiltIns,
                  &CCatalogDlg::CanUpdateBuiltIns},
    SContextEntry{QT_TRANSLATE_NOOP("CCatalogDlg", "Import..."), {}, &CCatalogDlg::OnImport, nullptr},
};

// A built-in engine counts as present when the list holds its template or,
// once brought up to date, today's form of it.
bool IsPresent(const SCatalogRow& row, const std::unordered_set<std::string_view>& urls)
{
    if (urls.contains(row.url)) return true;
    const SNewerForm* form = FindNewerForm(row.url);
    return form && !form->today.empty() && urls.contains(form->today);
}

// The filter sits between the counter row and the list, which gives up the
// filter's height and the gap below it.
constexpr int kFilterY = 17;
constexpr int kFilterHeight = 12;
constexpr int kListY = kFilterY + kFilterHeight + 2;
constexpr int kListBottom = 231;

}  // namespace

CCatalogDlg::CCatalogDlg(const CEngineList& engines, QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(tr("Catalog"));

    m_uncheckAll = AddLink(this, tr("Uncheck All"), 7, 7, 37, 8);
    m_uncheckAll->setObjectName(QStringLiteral("uncheckAllLink"));
    connect(m_uncheckAll, &CSimpleLink::clicked, this, &CCatalogDlg::OnUncheckAll);

    m_selectedLabel = AddStatic(this, tr("Selected:"), 105, 7, 31, 8);
    m_selectedCounter = AddStatic(this, QStringLiteral("..."), 137, 7, 13, 8);
    m_selectedCounter->setObjectName(QStringLiteral("selectedCounter"));
    m_allItemsLabel = AddStatic(this, tr("All Items:"), 155, 7, 31, 8);
    m_allItemsCounter = AddStatic(this, QStringLiteral("..."), 194, 7, 18, 8);
    m_allItemsCounter->setObjectName(QStringLiteral("allItemsCounter"));

    m_filter = new QLineEdit(this);
    m_filter->setObjectName(QStringLiteral("filterEdit"));
    m_filter->setPlaceholderText(tr("Filter"));
    m_filter->setClearButtonEnabled(true);
    m_filter->setAccessibleName(tr("Filter"));
    PlaceControl(m_filter, 7, kFilterY, 205, kFilterHeight);

    m_list = new CCatalogView(this);
    m_list->setObjectName(QStringLiteral("catalogList"));
    m_list->setAccessibleName(tr("Engines"));
    PlaceControl(m_list, 7, kListY, 205, kListBottom - kListY);
    m_list->setContextMenuPolicy(Qt::CustomContextMenu);
    setTabOrder(m_filter, m_list);

    // Never shown, but their commands are the dialog's Add and Edit; the
    // list's context menu and double click reach the same commands.
    auto* add = AddButton(this, tr("Add..."), 7, 239, 37, 14);
    add->setObjectName(QStringLiteral("addButton"));
    add->hide();
    connect(add, &QPushButton::clicked, this, &CCatalogDlg::OnAdd);
    auto* edit = AddButton(this, tr("Edit..."), 46, 239, 38, 14);
    edit->setObjectName(QStringLiteral("editButton"));
    edit->hide();
    connect(edit, &QPushButton::clicked, this, &CCatalogDlg::OnEdit);

    auto* ok = AddButton(this, tr("OK"), 119, 239, 54, 14);
    ok->setObjectName(QStringLiteral("okButton"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &CCatalogDlg::OnOk);
    auto* cancel = AddButton(this, tr("Cancel"), 177, 239, 35, 14);
    cancel->setObjectName(QStringLiteral("cancelButton"));
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    FixDialogSize(this, kWidthDu, kHeightDu);

    m_sortAscending = false;
    m_sortColumn = 0;

    // Columns share the list's outer width, frame included.
    m_listRect = m_list->geometry();
    m_working.CopyFrom(engines);
    m_model = new CCatalogModel(m_working, this);
    m_list->setModel(m_model);
    const int w = m_listRect.width();
    m_list->setColumnWidth(kColumnName, w / 2);
    m_list->setColumnWidth(kColumnAbbreviation, w / 6);
    m_list->setColumnWidth(kColumnGroup, w / 4);

    connect(m_list->header(), &QHeaderView::sectionClicked, this, &CCatalogDlg::Sort);
    connect(m_list, &CCatalogView::rowDoubleClicked, this, [this](int) { OnEdit(); });
    connect(m_list, &QWidget::customContextMenuRequested, this, &CCatalogDlg::ShowContextMenu);
    connect(m_filter, &QLineEdit::textChanged, this, &CCatalogDlg::ApplyFilter);
    CreateActions();
    connect(m_list->selectionModel(), &QItemSelectionModel::selectionChanged, this, &CCatalogDlg::UpdateActions);
    connect(m_list->selectionModel(), &QItemSelectionModel::currentChanged, this, &CCatalogDlg::UpdateActions);

    Refill(0);
    m_list->setFocus();
}

void CCatalogDlg::CreateActions()
{
    for (const SContextEntry& entry : kContextMenu) {
        if (!entry.text) {
            m_contextActions.push_back(nullptr);
            continue;
        }
        auto* action = new QAction(tr(entry.text), this);
        if (entry.shortcut.key() != Qt::Key_unknown) {
            action->setShortcut(QKeySequence(entry.shortcut));
            action->setShortcutContext(Qt::WidgetShortcut);
            action->setShortcutVisibleInContextMenu(true);
            m_list->addAction(action);
        }
        connect(action, &QAction::triggered, this, entry.run);
        m_contextActions.push_back(action);
        if (entry.canRun == &CCatalogDlg::CanRestoreBuiltIns) m_restoreAction = action;
        if (entry.canRun == &CCatalogDlg::CanUpdateBuiltIns) {
            m_updateAction = action;
            action->setText(tr(entry.text));
        }
    }

    auto* find = new QAction(this);
    find->setShortcut(QKeySequence::Find);
    find->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    connect(find, &QAction::triggered, this, [this] {
        m_filter->setFocus(Qt::ShortcutFocusReason);
        m_filter->selectAll();
    });
    addAction(find);
}

void CCatalogDlg::UpdateActions()
{
    // What Restore can do changes with the list only, so the refill decides it.
    for (std::size_t i = 0; i < kContextMenu.size(); ++i) {
        QAction* action = m_contextActions[i];
        const auto canRun = kContextMenu[i].canRun;
        if (!action || !canRun || action == m_restoreAction) continue;
        action->setEnabled((this->*canRun)());
    }
}

CCatalogDlg::~CCatalogDlg() = default;

int CCatalogDlg::SelectionMark() const
{
    const QModelIndex current = m_list->currentIndex();
    return current.isValid() ? m_model->EntryAt(current.row()) : -1;
}

std::vector<std::int32_t> CCatalogDlg::SelectedEntries() const
{
    // Ranges may overlap after Ctrl clicks; each entry counts once.
    std::vector<bool> marked(static_cast<std::size_t>(m_working.Count()), false);
    for (const QItemSelectionRange& range : m_list->selectionModel()->selection()) {
        for (int row = range.top(); row <= range.bottom(); ++row) {
            const std::int32_t entry = m_model->EntryAt(row);
            if (entry >= 0) marked[static_cast<std::size_t>(entry)] = true;
        }
    }
    std::vector<std::int32_t> entries;
    for (std::size_t i = 0; i < marked.size(); ++i) {
        if (marked[i]) entries.push_back(static_cast<std::int32_t>(i));
    }
    return entries;
}

int CCatalogDlg::MoveTarget() const
{
    int only = -1;
    for (const QItemSelectionRange& range : m_list->selectionModel()->selection()) {
        for (int row = range.top(); row <= range.bottom(); ++row) {
            if (only >= 0 && only != row) return -1;
            only = row;
        }
    }
    return only >= 0 ? m_model->EntryAt(only) : -1;
}

bool CCatalogDlg::CanEdit() const
{
    return SelectionMark() >= 0;
}

bool CCatalogDlg::CanDelete() const
{
    return m_list->selectionModel()->hasSelection();
}

bool CCatalogDlg::CanMoveUp() const
{
    return MoveTarget() > 0;
}

bool CCatalogDlg::CanMoveDown() const
{
    const int entry = MoveTarget();
    return entry >= 0 && entry + 1 < m_working.Count();
}

bool CCatalogDlg::CanRestoreBuiltIns() const
{
    std::unordered_set<std::string_view> present;
    for (const SSearch& entry : m_working) present.insert(entry.url);
    const auto rows = BuiltInCatalog();
    return std::any_of(rows.begin(), rows.end(),
                       [&present](const SCatalogRow& row) { return !IsPresent(row, present); });
}

void CCatalogDlg::Refill(int currentEntry)
{
    m_model->Reset();

    std::int32_t selected = 0;
    for (const SSearch& entry : m_working) {
        if (entry.selected) ++selected;
    }
    m_allItemsCounter->setText(CountText(m_working.Count()));
    m_selectedCounter->setText(CountText(selected));
    LayoutCounters();

    const int row = m_model->RowOf(currentEntry);
    if (row >= 0) {
        const QModelIndex index = m_model->index(row, kColumnName);
        m_list->setCurrentIndex(index);
        m_list->scrollTo(index);
    }
    if (m_restoreAction) m_restoreAction->setEnabled(CanRestoreBuiltIns());
    UpdateActions();
}

void CCatalogDlg::LayoutCounters()
{
    // Each piece keeps its template place unless the one before it grew into
    // it; if the row then runs past the list's edge, it moves left as a whole,
    // but never over the "Uncheck All" link.
    const std::array<QLabel*, 4> labels{m_selectedLabel, m_selectedCounter, m_allItemsLabel, m_allItemsCounter};
    std::array<QRect, 4> rects;
    int previousEnd = 0;
    for (std::size_t i = 0; i < labels.size(); ++i) {
        const SCounterSlot& slot = kCounterSlots[i];
        QRect r = DialogRectToPixels(slot.x, kCounterRowY, slot.width, kCounterRowHeight);
        const QSize needed = labels[i]->sizeHint();
        r.setWidth(std::max(r.width(), needed.width()));
        r.setHeight(std::max(r.height(), needed.height()));
        if (i > 0) {
            const SCounterSlot& before = kCounterSlots[i - 1];
            const int gap = DialogUnitsToPixelsX(slot.x) - DialogUnitsToPixelsX(before.x + before.width);
            r.moveLeft(std::max(r.left(), previousEnd + gap));
        }
        previousEnd = RightEdge(r);
        rects[i] = r;
    }
    const int overflow = previousEnd - DialogUnitsToPixelsX(kCounterRowRight);
    const int room = rects[0].left() - (RightEdge(m_uncheckAll->geometry()) + DialogUnitsToPixelsX(4));
    const int shift = std::clamp(overflow, 0, std::max(room, 0));
    for (std::size_t i = 0; i < labels.size(); ++i) labels[i]->setGeometry(rects[i].translated(-shift, 0));
}

void CCatalogDlg::Sort(int column)
{
    // The first click on a column sorts ascending; each further click on the
    // same column flips the direction.
    m_sortAscending = column != m_sortColumn || !m_sortAscending;
    m_sortColumn = column;

    // The selected entry stays selected wherever the sort moves it.
    const int current = SelectionMark();
    int newCurrent = current;
    if (m_working.Count() >= 2) {
        const std::vector<std::int32_t> order = SortEngines(m_working, column, m_sortAscending);
        const auto found = std::find(order.begin(), order.end(), current);
        newCurrent = found == order.end() ? -1 : static_cast<int>(found - order.begin());
    }
    Refill(newCurrent);
}

void CCatalogDlg::OnAdd()
{
    CEditSearch edit(this, CEditSearch::EMode::Add);
    if (edit.exec() != QDialog::Accepted) return;
    // A new entry goes at the end, whatever the current sort.
    m_working.Append(edit.Record());
    Refill(m_working.Count() - 1);
}

void CCatalogDlg::OnEdit()
{
    CEditSearch edit(this, CEditSearch::EMode::Edit);
    if (edit.exec() != QDialog::Accepted) return;
    const int row = SelectionMark();
    if (row < 0 || row >= m_working.Count()) {
        ReportInvalidArgument(this);
        return;
    }
    m_working.At(row) = edit.Record();
    Refill(row);
}

void CCatalogDlg::OnDelete()
{
    // No question asked: Cancel still brings every deleted entry back.
    const std::vector<std::int32_t> entries = SelectedEntries();
    if (entries.empty()) return;
    std::vector<bool> marks(static_cast<std::size_t>(m_working.Count()), false);
    for (const std::int32_t entry : entries) marks[static_cast<std::size_t>(entry)] = true;
    m_working.RemoveMarked(marks);

    // The row after the deleted ones (or the last row) takes the selection.
    Refill(-1);
    const int rows = m_model->rowCount();
    if (rows == 0) return;
    int row = 0;
    while (row < rows - 1 && m_model->EntryAt(row) < entries.front()) ++row;
    const QModelIndex index = m_model->index(row, kColumnName);
    m_list->setCurrentIndex(index);
    m_list->scrollTo(index);
}

void CCatalogDlg::OnMoveUp()
{
    MoveBy(-1);
}

void CCatalogDlg::OnMoveDown()
{
    MoveBy(1);
}

// One place in the working list, which is the order OK hands back, whether
// or not the filter shows the neighbour.
void CCatalogDlg::MoveBy(int step)
{
    const int entry = MoveTarget();
    const int other = entry + step;
    if (entry < 0 || other < 0 || other >= m_working.Count()) return;
    m_working.Swap(entry, other);
    Refill(other);
}

void CCatalogDlg::OnRestoreBuiltIns()
{
    std::unordered_set<std::string> urls;
    for (const SSearch& entry : m_working) urls.insert(entry.url);
    std::unordered_set<std::string_view> present(urls.begin(), urls.end());
    int first = -1;
    for (const SCatalogRow& row : BuiltInCatalog()) {
        if (IsPresent(row, present) || !urls.insert(std::string(row.url)).second) continue;
        SSearch engine;
        engine.name = row.name;
        engine.url = row.url;
        engine.abbreviation = row.abbreviation;
        engine.group = row.group;
        engine.selected = false;
        engine.extra = 0;
        m_working.Append(engine);
        if (first < 0) first = m_working.Count() - 1;
    }
    if (first >= 0) Refill(first);
}

bool CCatalogDlg::CanUpdateBuiltIns() const
{
    return !FindBuiltInUpdates(m_working).empty();
}

void CCatalogDlg::OnUpdateBuiltIns()
{
    if (!CanUpdateBuiltIns()) return;
    CUpdateBuiltinsDlg update(m_working, this);
    if (update.exec() != QDialog::Accepted) return;
    const int countBefore = m_working.Count();
    ApplyBuiltInUpdates(m_working, update.ChosenUpdates(), update.DeleteClosed());
    // Deleted rows shift the entries; the selection then starts over.
    Refill(m_working.Count() == countBefore ? SelectionMark() : 0);
}

void CCatalogDlg::ApplyFilter(const QString& text)
{
    const int current = SelectionMark();
    m_model->SetFilter(text);
    Refill(current);
    if (m_model->RowOf(current) < 0 && m_model->rowCount() > 0) m_list->setCurrentIndex(m_model->index(0, kColumnName));
}

void CCatalogDlg::keyPressEvent(QKeyEvent* event)
{
    // Escape first empties a filter, and only then cancels.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier && !m_filter->text().isEmpty()) {
        m_filter->clear();
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void CCatalogDlg::OnImport()
{
    CImportDlg import(m_working, CImportDlg::FoundSources(), this);
    if (import.exec() != QDialog::Accepted) return;
    const std::vector<SSearch> chosen = import.ChosenEngines();
    if (chosen.empty()) return;
    for (const SSearch& engine : chosen) m_working.Append(engine);
    Refill(m_working.Count() - static_cast<int>(chosen.size()));
}

void CCatalogDlg::OnUncheckAll()
{
    for (SSearch& entry : m_working) entry.selected = false;
    Refill(SelectionMark());
}

void CCatalogDlg::OnOk()
{
    // The boxes are the entries' `selected` flags already; nothing to collect.
    accept();
}

void CCatalogDlg::ShowContextMenu(const QPoint& pos)
{
    // Ticking a closed engine's box makes it one to update.
    if (m_updateAction) m_updateAction->setEnabled(CanUpdateBuiltIns());
    QMenu menu(this);
    for (QAction* action : m_contextActions) {
        if (action) {
            menu.addAction(action);
        } else {
            menu.addSeparator();
        }
    }
    menu.exec(m_list->viewport()->mapToGlobal(pos));
}
