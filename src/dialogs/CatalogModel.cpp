// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogs/CatalogModel.h"

#include "dialogs/CatalogSort.h"
#include "store/TextUtil.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPalette>
#include <QStyle>
#include <QStyleOptionViewItem>

#include <algorithm>
#include <string>

CCatalogModel::CCatalogModel(CEngineList& list, QObject* parent)
    : QAbstractTableModel(parent),
      m_list(list)
{}

int CCatalogModel::rowCount(const QModelIndex& parent) const
{
    if (parent.isValid()) return 0;
    return m_filter.isEmpty() ? m_list.Count() : static_cast<int>(m_rows.size());
}

std::int32_t CCatalogModel::EntryAt(int row) const
{
    if (row < 0 || row >= rowCount()) return -1;
    return m_filter.isEmpty() ? row : m_rows[static_cast<std::size_t>(row)];
}

int CCatalogModel::RowOf(std::int32_t entry) const
{
    if (entry < 0 || entry >= m_list.Count()) return -1;
    if (m_filter.isEmpty()) return entry;
    const auto found = std::lower_bound(m_rows.begin(), m_rows.end(), entry);
    return found != m_rows.end() && *found == entry ? static_cast<int>(found - m_rows.begin()) : -1;
}

int CCatalogModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : kColumnCount;
}

QVariant CCatalogModel::data(const QModelIndex& index, int role) const
{
    const std::int32_t at = index.isValid() ? EntryAt(index.row()) : -1;
    if (at < 0) return {};
    const SSearch& entry = m_list.At(at);
    switch (role) {
    case Qt::DisplayRole:
    case Qt::ToolTipRole:
        switch (index.column()) {
        case kColumnName: return QString::fromStdString(entry.name);
        case kColumnAbbreviation: return QString::fromStdString(entry.abbreviation);
        case kColumnGroup: return QString::fromStdString(entry.group);
        default: return {};
        }
    case Qt::CheckStateRole:
        if (index.column() == kColumnName) return entry.selected ? Qt::Checked : Qt::Unchecked;
        return {};
    default: return {};
    }
}

bool CCatalogModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    const std::int32_t at = index.isValid() ? EntryAt(index.row()) : -1;
    if (role != Qt::CheckStateRole || at < 0 || index.column() != kColumnName) return false;
    m_list.At(at).selected = static_cast<Qt::CheckState>(value.toInt()) == Qt::Checked;
    emit dataChanged(index, index, {Qt::CheckStateRole});
    return true;
}

Qt::ItemFlags CCatalogModel::flags(const QModelIndex& index) const
{
    if (!index.isValid()) return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
    if (index.column() == kColumnName) f |= Qt::ItemIsUserCheckable;
    return f;
}

QVariant CCatalogModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal) return {};
    if (role == Qt::TextAlignmentRole) return QVariant::fromValue(Qt::AlignLeft | Qt::AlignVCenter);
    if (role != Qt::DisplayRole) return {};
    switch (section) {
    case kColumnName: return tr("Name");
    case kColumnAbbreviation: return tr("Abbr");
    case kColumnGroup: return tr("Group");
    default: return {};
    }
}

void CCatalogModel::Reset()
{
    beginResetModel();
    m_rows.clear();
    if (!m_filter.isEmpty()) {
        for (std::int32_t i = 0; i < m_list.Count(); ++i) {
            if (Passes(m_list.At(i))) m_rows.push_back(i);
        }
    }
    endResetModel();
}

void CCatalogModel::SetFilter(const QString& text)
{
    m_filter = text;
    const bool ascii = std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x80; });
    m_asciiFilter = ascii ? ToLowerAscii(text.toStdString()) : std::string();
    Reset();
}

namespace {

char LowerAscii(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c + ('a' - 'A')) : c;
}

// `lowerNeedle` is lower-case ASCII already.
bool ContainsAsciiIgnoringCase(const std::string& haystack, const std::string& lowerNeedle)
{
    return std::search(haystack.begin(), haystack.end(), lowerNeedle.begin(), lowerNeedle.end(),
                       [](char h, char n) { return LowerAscii(h) == n; }) != haystack.end();
}

}  // namespace

bool CCatalogModel::Passes(const SSearch& entry) const
{
    // Typing is mostly ASCII: matched on the bytes, with no conversion of
    // each field, which keeps a keystroke quick in a very long list.
    const bool ascii = !m_asciiFilter.empty();
    for (const std::string* field : {&entry.name, &entry.abbreviation, &entry.group, &entry.url}) {
        if (ascii ? ContainsAsciiIgnoringCase(*field, m_asciiFilter)
                  : QString::fromStdString(*field).contains(m_filter, Qt::CaseInsensitive)) {
            return true;
        }
    }
    return false;
}

CCatalogView::CCatalogView(QWidget* parent)
    : QTreeView(parent)
{
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setUniformRowHeights(true);  // keeps 100,000 rows cheap to lay out
    setAllColumnsShowFocus(true);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSortingEnabled(false);  // the dialog sorts the list itself
    setTextElideMode(Qt::ElideRight);

    QHeaderView* h = header();
    h->setSectionsClickable(true);
    h->setSectionsMovable(false);
    h->setStretchLastSection(false);
    h->setSortIndicatorShown(false);
    h->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    // The selected row stays marked while the focus is elsewhere.
    QPalette p = palette();
    p.setColor(QPalette::Inactive, QPalette::Highlight, p.color(QPalette::Active, QPalette::Highlight));
    p.setColor(QPalette::Inactive, QPalette::HighlightedText, p.color(QPalette::Active, QPalette::HighlightedText));
    setPalette(p);
}

bool CCatalogView::OnCheckIndicator(const QModelIndex& index, const QPoint& pos) const
{
    if (index.column() != kColumnName) return false;
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    option.rect = visualRect(index);
    option.features |= QStyleOptionViewItem::HasCheckIndicator;
    const QWidget* widget = this;
    const QRect box = style()->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &option, widget);
    return box.contains(pos);
}

void CCatalogView::mouseDoubleClickEvent(QMouseEvent* event)
{
    const QPoint pos = event->position().toPoint();
    const QModelIndex index = indexAt(pos);
    // A quick second click on a check box is a second toggle, not an edit.
    const bool edit = event->button() == Qt::LeftButton && index.isValid() && !OnCheckIndicator(index, pos);
    QTreeView::mouseDoubleClickEvent(event);
    if (edit) emit rowDoubleClicked(index.row());
}

void CCatalogView::keyPressEvent(QKeyEvent* event)
{
    const QModelIndex current = currentIndex();
    if (event->key() == Qt::Key_Space && event->modifiers() == Qt::NoModifier && current.isValid() && model()) {
        const QModelIndex box = model()->index(current.row(), kColumnName);
        const bool checked = box.data(Qt::CheckStateRole).toInt() == Qt::Checked;
        model()->setData(box, checked ? Qt::Unchecked : Qt::Checked, Qt::CheckStateRole);
        event->accept();
        return;
    }
    QTreeView::keyPressEvent(event);
}
