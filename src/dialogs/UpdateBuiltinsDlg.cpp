// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogs/UpdateBuiltinsDlg.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace {

QString FromUtf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

CUpdateBuiltinsDlg::CUpdateBuiltinsDlg(const CEngineList& working, QWidget* parent)
    : QDialog(parent),
      m_offers(FindBuiltInUpdates(working))
{
    setWindowTitle(tr("Update Built-in Engines"));

    auto* layout = new QVBoxLayout(this);
    auto* intro = new QLabel(tr("These engines still have the address they were built in with, and a newer one is "
                                "known. Untick any you want to keep as it is. Names, abbreviations, groups and "
                                "ticks stay; engines you changed are not listed."),
                             this);
    intro->setWordWrap(true);
    layout->addWidget(intro);

    m_checklist = new QTreeWidget(this);
    m_checklist->setObjectName(QStringLiteral("updateChecklist"));
    m_checklist->setAccessibleName(tr("Engines to update"));
    m_checklist->setRootIsDecorated(false);
    m_checklist->setUniformRowHeights(true);
    m_checklist->setHeaderLabels({tr("Engine"), tr("Becomes"), tr("Address now")});
    const bool anyClosed = std::any_of(m_offers.begin(), m_offers.end(),
                                       [](const SBuiltInUpdate& u) { return u.form->fate == EEngineFate::Closed; });
    for (const SBuiltInUpdate& offer : m_offers) {
        const SSearch& entry = working.At(offer.entry);
        auto* item = new QTreeWidgetItem(m_checklist);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(kColumnName, Qt::Checked);
        item->setText(kColumnName, QString::fromStdString(entry.name));
        item->setText(kColumnChange, FromUtf8(offer.form->today));
        item->setText(kColumnNow, QString::fromStdString(entry.url));
        item->setToolTip(kColumnChange, item->text(kColumnChange));
        item->setToolTip(kColumnNow, item->text(kColumnNow));
    }
    layout->addWidget(m_checklist, 1);

    if (anyClosed) {
        m_deleteClosed = new QCheckBox(tr("Delete closed engines instead of unticking them"), this);
        m_deleteClosed->setObjectName(QStringLiteral("deleteClosedBox"));
        layout->addWidget(m_deleteClosed);
        connect(m_deleteClosed, &QCheckBox::toggled, this, &CUpdateBuiltinsDlg::ShowClosedChanges);
    }
    ShowClosedChanges();

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    QPushButton* ok = buttons->button(QDialogButtonBox::Ok);
    ok->setObjectName(QStringLiteral("okButton"));
    ok->setDefault(true);
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("cancelButton"));
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    resize(720, 460);
    m_checklist->setColumnWidth(kColumnName, 170);
    m_checklist->setColumnWidth(kColumnChange, 330);
    if (m_checklist->topLevelItemCount() > 0) m_checklist->setCurrentItem(m_checklist->topLevelItem(0));
    m_checklist->setFocus();
}

CUpdateBuiltinsDlg::~CUpdateBuiltinsDlg() = default;

void CUpdateBuiltinsDlg::ShowClosedChanges()
{
    const bool remove = DeleteClosed();
    for (std::size_t i = 0; i < m_offers.size(); ++i) {
        const SNewerForm& form = *m_offers[i].form;
        if (form.fate != EEngineFate::Closed) continue;
        QTreeWidgetItem* item = m_checklist->topLevelItem(static_cast<int>(i));
        item->setText(kColumnChange, remove ? tr("closed in %1: deleted").arg(form.year)
                                            : tr("closed in %1: unticked").arg(form.year));
        item->setToolTip(kColumnChange, item->text(kColumnChange));
    }
}

std::vector<SBuiltInUpdate> CUpdateBuiltinsDlg::ChosenUpdates() const
{
    std::vector<SBuiltInUpdate> chosen;
    for (std::size_t i = 0; i < m_offers.size(); ++i) {
        if (m_checklist->topLevelItem(static_cast<int>(i))->checkState(kColumnName) == Qt::Checked)
            chosen.push_back(m_offers[i]);
    }
    return chosen;
}

bool CUpdateBuiltinsDlg::DeleteClosed() const
{
    return m_deleteClosed && m_deleteClosed->isChecked();
}
