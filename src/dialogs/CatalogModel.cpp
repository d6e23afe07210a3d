#include "dialogs/CatalogModel.h"

#include "dialogs/CatalogSort.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPalette>
#include <QStyle>
#include <QStyleOptionViewItem>

CCatalogModel::CCatalogModel(CEngineList& list, QObject* parent)
    : QAbstractTableModel(parent),
      m_list(list)
{}

int CCatalogModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_list.Count();
}

int CCatalogModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : kColumnCount;
}

QVariant CCatalogModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= m_list.Count()) return {};
    const SSearch& entry = m_list.At(index.row());
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
    if (role != Qt::CheckStateRole || !index.isValid() || index.column() != kColumnName ||
        index.row() >= m_list.Count()) {
        return false;
    }
    m_list.At(index.row()).selected = static_cast<Qt::CheckState>(value.toInt()) == Qt::Checked;
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
    case kColumnName: return QStringLiteral("Name");
    case kColumnAbbreviation: return QStringLiteral("Abbr");
    case kColumnGroup: return QStringLiteral("Group");
    default: return {};
    }
}

void CCatalogModel::Reset()
{
    beginResetModel();
    endResetModel();
}

CCatalogView::CCatalogView(QWidget* parent)
    : QTreeView(parent)
{
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setUniformRowHeights(true);  // keeps 100,000 rows cheap to lay out
    setAllColumnsShowFocus(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
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
