#include "dialogs/CatalogDlg.h"

#include "dialogs/CatalogModel.h"
#include "dialogs/CatalogSort.h"
#include "dialogs/DialogSupport.h"
#include "dialogs/EditSearch.h"
#include "dialogs/ImportDlg.h"
#include "dialogs/SimpleLink.h"
#include "platform/DialogUnits.h"
#include "store/TextUtil.h"

#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPushButton>

#include <algorithm>
#include <array>

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

}  // namespace

CCatalogDlg::CCatalogDlg(const CEngineList& engines, QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Catalog"));

    m_uncheckAll = AddLink(this, QStringLiteral("Uncheck All"), 7, 7, 37, 8);
    m_uncheckAll->setObjectName(QStringLiteral("uncheckAllLink"));
    connect(m_uncheckAll, &CSimpleLink::clicked, this, &CCatalogDlg::OnUncheckAll);

    m_selectedLabel = AddStatic(this, QStringLiteral("Selected:"), 105, 7, 31, 8);
    m_selectedCounter = AddStatic(this, QStringLiteral("..."), 137, 7, 13, 8);
    m_selectedCounter->setObjectName(QStringLiteral("selectedCounter"));
    m_allItemsLabel = AddStatic(this, QStringLiteral("All Items:"), 155, 7, 31, 8);
    m_allItemsCounter = AddStatic(this, QStringLiteral("..."), 194, 7, 18, 8);
    m_allItemsCounter->setObjectName(QStringLiteral("allItemsCounter"));

    m_list = new CCatalogView(this);
    m_list->setObjectName(QStringLiteral("catalogList"));
    PlaceControl(m_list, 7, 17, 205, 214);
    m_list->setContextMenuPolicy(Qt::CustomContextMenu);

    // Never shown, but their commands are the dialog's Add and Edit; the
    // list's context menu and double click reach the same commands.
    auto* add = AddButton(this, QStringLiteral("Add..."), 7, 239, 37, 14);
    add->setObjectName(QStringLiteral("addButton"));
    add->hide();
    connect(add, &QPushButton::clicked, this, &CCatalogDlg::OnAdd);
    auto* edit = AddButton(this, QStringLiteral("Edit..."), 46, 239, 38, 14);
    edit->setObjectName(QStringLiteral("editButton"));
    edit->hide();
    connect(edit, &QPushButton::clicked, this, &CCatalogDlg::OnEdit);

    auto* ok = AddButton(this, QStringLiteral("OK"), 119, 239, 54, 14);
    ok->setObjectName(QStringLiteral("okButton"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &CCatalogDlg::OnOk);
    auto* cancel = AddButton(this, QStringLiteral("Cancel"), 177, 239, 35, 14);
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

    Refill(0);
    m_list->setFocus();
}

CCatalogDlg::~CCatalogDlg() = default;

int CCatalogDlg::SelectionMark() const
{
    const QModelIndex current = m_list->currentIndex();
    return current.isValid() ? current.row() : -1;
}

void CCatalogDlg::Refill(int currentRow)
{
    m_model->Reset();

    std::int32_t selected = 0;
    for (const SSearch& entry : m_working) {
        if (entry.selected) ++selected;
    }
    m_allItemsCounter->setText(CountText(m_working.Count()));
    m_selectedCounter->setText(CountText(selected));
    LayoutCounters();

    if (currentRow >= 0 && currentRow < m_working.Count()) {
        const QModelIndex index = m_model->index(currentRow, kColumnName);
        m_list->setCurrentIndex(index);
        m_list->scrollTo(index);
    }
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

void CCatalogDlg::OnImport()
{
    CImportDlg import(m_working, FindImportSources(SImportPlaces::FromEnvironment()), this);
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
    QMenu menu(this);
    menu.addAction(QStringLiteral("Add..."), this, &CCatalogDlg::OnAdd);
    QAction* edit = menu.addAction(QStringLiteral("Edit..."), this, &CCatalogDlg::OnEdit);
    edit->setEnabled(SelectionMark() >= 0);
    menu.addSeparator();
    menu.addAction(QStringLiteral("Import..."), this, &CCatalogDlg::OnImport);
    menu.exec(m_list->viewport()->mapToGlobal(pos));
}
