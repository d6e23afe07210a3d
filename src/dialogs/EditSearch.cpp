// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogs/EditSearch.h"

#include "dialogs/AccessibleNames.h"
#include "dialogs/CatalogDlg.h"
#include "dialogs/DialogSupport.h"
#include "engines/Catalog.h"
#include "store/TextUtil.h"

#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

namespace {

constexpr int kWidthDu = 221;
constexpr int kHeightDu = 114;

QString ToQt(const std::string& text)
{
    return QString::fromStdString(text);
}
std::string FromQt(const QString& text)
{
    return text.toStdString();
}

// The closed combo box is as tall as an edit box; the template's 95 units
// are the height of its drop-down list.
constexpr int kClosedComboHeightDu = 14;

// The first item from `start` on, wrapping round, whose text starts with `prefix`.
int FindPrefix(const QStringList& items, const QString& prefix, int start)
{
    if (prefix.isEmpty() || items.isEmpty()) return -1;
    const int count = static_cast<int>(items.size());
    for (int k = 0; k < count; ++k) {
        const int i = (start + k) % count;
        if (items[i].startsWith(prefix, Qt::CaseInsensitive)) return i;
    }
    return -1;
}

}  // namespace

CEditSearch::CEditSearch(CCatalogDlg* catalog, EMode mode)
    : QDialog(catalog),
      m_catalog(catalog),
      m_editMode(mode == EMode::Edit)
{
    setWindowTitle(tr("Edit "));

    // Created in template order, which is also the tab order.
    auto* ok = AddButton(this, tr("OK"), 99, 93, 56, 14);
    ok->setObjectName(QStringLiteral("okButton"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &CEditSearch::OnOk);
    auto* cancel = AddButton(this, tr("Cancel"), 160, 93, 54, 14);
    cancel->setObjectName(QStringLiteral("cancelButton"));
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* nameLabel = AddStatic(this, tr("Name:"), 7, 6, 22, 8);
    m_name = new QLineEdit(this);
    m_name->setObjectName(QStringLiteral("nameEdit"));
    PlaceControl(m_name, 7, 16, 207, 14);

    auto* abbreviationLabel = AddStatic(this, tr("Abbreviate:"), 7, 32, 39, 8);
    auto* groupLabel = AddStatic(this, tr("Group:"), 126, 32, 23, 8);
    m_abbreviation = new QLineEdit(this);
    m_abbreviation->setObjectName(QStringLiteral("abbreviationEdit"));
    PlaceControl(m_abbreviation, 7, 42, 72, 14);

    m_group = new QComboBox(this);
    m_group->setObjectName(QStringLiteral("groupCombo"));
    m_group->setEditable(false);
    PlaceControl(m_group, 98, 42, 116, kClosedComboHeightDu);

    auto* urlLabel = AddStatic(this, tr("Url:"), 7, 60, 12, 8);
    m_url = new QLineEdit(this);
    m_url->setObjectName(QStringLiteral("urlEdit"));
    PlaceControl(m_url, 7, 70, 207, 14);

    BindLabel(nameLabel, m_name);
    BindLabel(abbreviationLabel, m_abbreviation);
    BindLabel(groupLabel, m_group);
    BindLabel(urlLabel, m_url);

    FixDialogSize(this, kWidthDu, kHeightDu);
    ok->setFocus();
}

int CEditSearch::GroupItemFor(const QStringList& items, const QString& group)
{
    int index = FindPrefix(items, group, 1);
    if (index < 0) index = FindPrefix(items, QStringLiteral("Other"), 1);
    return index;
}

bool CEditSearch::InitDialog()
{
    if (m_editMode) {
        const int row = m_catalog ? m_catalog->SelectionMark() : -1;
        if (!m_catalog || row < 0 || row >= m_catalog->WorkingList().Count()) {
            ReportInvalidArgument(parentWidget());
            return false;
        }
        m_record = m_catalog->WorkingList().At(row);
        m_name->setText(ToQt(m_record.name));
        m_abbreviation->setText(ToQt(m_record.abbreviation));
        m_url->setText(ToQt(m_record.url));
    } else {
        setWindowTitle(tr("Add Seach Engine"));
        // A new engine starts out listed in the engine menu.
        m_record.selected = true;
        m_record.extra = 0;
    }

    QStringList items;
    for (const std::string_view name : GroupList())
        items << QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
    m_group->clear();
    m_group->addItems(items);
    m_group->setCurrentIndex(GroupItemFor(items, ToQt(m_record.group)));
    m_initialised = true;
    return true;
}

int CEditSearch::exec()
{
    if (!m_initialised && !InitDialog()) {
        setResult(Rejected);
        return Rejected;
    }
    return QDialog::exec();
}

void CEditSearch::OnOk()
{
    m_record.name = FromQt(m_name->text());
    m_record.abbreviation = FromQt(m_abbreviation->text());
    m_record.url = FromQt(m_url->text());
    m_record.group = FromQt(m_group->currentText());
    // A blank name is worth a warning but not a refusal.
    if (!HasText(m_record.name)) {
        QMessageBox box(QMessageBox::Warning, ProgramName(), tr(kEmptyNameText), QMessageBox::Ok, this);
        box.exec();
    }
    accept();
}
