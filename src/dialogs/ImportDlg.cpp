// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogs/ImportDlg.h"

#include "dialogs/AccessibleNames.h"
#include "import/ImportModule.h"
#include "store/TextUtil.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <set>

namespace {

constexpr const char* kOpenSearchRow = QT_TRANSLATE_NOOP("CImportDlg", "OpenSearch file...");

QString Q(const std::string& s)
{
    return QString::fromStdString(s);
}

QString ChooseOpenSearchFile(QWidget* parent)
{
    return QFileDialog::getOpenFileName(parent, CImportDlg::tr("OpenSearch file"), QString(),
                                        CImportDlg::tr("OpenSearch descriptions (*.xml *.osdx);;All files (*)"));
}

// The importers give their reasons in English; the fixed ones are in the
// translations under this context, the rest (with names or numbers in them)
// stay as they are.
QString TranslatedReason(const std::string& reason)
{
    return QCoreApplication::translate("ImportReason", reason.c_str());
}

// DescribeSkipped's text, in the user's language.
QString SkippedText(const SImportResult& result)
{
    QStringList parts;
    for (const auto& [reason, count] : result.skipped) {
        parts << (count == 1
                      ? CImportDlg::tr("1 engine skipped: %1").arg(TranslatedReason(reason))
                      : CImportDlg::tr("%1 engines skipped: %2").arg(QString::number(count), TranslatedReason(reason)));
    }
    return parts.join(QStringLiteral("; "));
}

// A missing module reads as a source that cannot be read.
SImportResult ReadSource(const SImportSource& source)
{
    std::string problem;
    if (const SImportFunctions* importers = ImportFunctions(&problem)) return importers->readSource(source);
    SImportResult result;
    result.unreadable = problem;
    return result;
}

}  // namespace

std::vector<SImportSource> CImportDlg::FoundSources()
{
    const SImportFunctions* importers = ImportFunctions();
    if (!importers) return {};
    return importers->findSources(importers->placesFromEnvironment());
}

CImportDlg::CImportDlg(const CEngineList& existing, const std::vector<SImportSource>& sources, QWidget* parent)
    : QDialog(parent),
      m_chooseFile(&ChooseOpenSearchFile)
{
    setWindowTitle(tr("Import Engines"));
    m_existing.CopyFrom(existing);

    auto* layout = new QVBoxLayout(this);
    auto* sourcesLabel = new QLabel(tr("Sources:"), this);
    layout->addWidget(sourcesLabel);
    m_sources = new QListWidget(this);
    m_sources->setObjectName(QStringLiteral("importSources"));
    BindLabel(sourcesLabel, m_sources);
    layout->addWidget(m_sources, 1);
    auto* enginesLabel = new QLabel(tr("Engines:"), this);
    layout->addWidget(enginesLabel);
    m_checklist = new QTreeWidget(this);
    BindLabel(enginesLabel, m_checklist);
    m_checklist->setObjectName(QStringLiteral("importChecklist"));
    m_checklist->setRootIsDecorated(false);
    m_checklist->setUniformRowHeights(true);
    m_checklist->setHeaderLabels({tr("Name"), tr("Keyword"), tr("Address")});
    layout->addWidget(m_checklist, 3);
    m_note = new QLabel(this);
    m_note->setObjectName(QStringLiteral("importNote"));
    m_note->setWordWrap(true);
    layout->addWidget(m_note);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("okButton"));
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("cancelButton"));
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    m_sources->addItem(tr(kOpenSearchRow));
    for (const SImportSource& source : sources)
        AddLoaded(source, ReadSource(source), static_cast<int>(m_loaded.size()));

    connect(m_sources, &QListWidget::currentRowChanged, this, &CImportDlg::ShowSource);
    // Keys reach "OpenSearch file..." through the filter: activation from the
    // keyboard would go on to press OK once the chooser closed, and a style
    // that activates on a single click would open the chooser twice.
    connect(m_sources, &QListWidget::itemClicked, this, &CImportDlg::OnSourceClicked);
    m_sources->installEventFilter(this);
    connect(m_checklist, &QTreeWidget::itemChanged, this, &CImportDlg::OnItemChanged);

    resize(640, 520);
    m_checklist->setColumnWidth(kColumnName, 220);
    m_checklist->setColumnWidth(kColumnKeyword, 90);
    ChooseSource(0);
}

CImportDlg::~CImportDlg() = default;

void CImportDlg::AddLoaded(const SImportSource& source, SImportResult result, int row)
{
    SLoaded loaded;
    loaded.source = source;
    loaded.result = std::move(result);
    std::set<std::string> templates;
    for (const SSearch& s : m_existing) templates.insert(s.url);
    for (const SImportedEngine& e : loaded.result.engines) {
        // A template met before, in the catalogue or earlier in this source.
        const bool already = !templates.insert(e.url).second;
        loaded.already.push_back(already);
        loaded.ticked.push_back(e.userMade && !already);
    }
    m_loaded.insert(m_loaded.begin() + row, std::move(loaded));
    m_sources->insertItem(row, SourceText(m_loaded[static_cast<std::size_t>(row)]));
}

QString CImportDlg::SourceText(const SLoaded& loaded) const
{
    const QString label = Q(loaded.source.label);
    if (!loaded.result.Readable())
        return tr("%1 \u2014 unreadable: %2").arg(label, TranslatedReason(loaded.result.unreadable));
    const auto n = loaded.result.engines.size();
    return n == 1 ? tr("%1 \u2014 1 engine").arg(label) : tr("%1 \u2014 %2 engines").arg(label, QString::number(n));
}

const SSearch* CImportDlg::KeywordOwner(const std::string& keyword) const
{
    if (keyword.empty()) return nullptr;
    const std::string lower = ToLowerAscii(keyword);
    for (const SSearch& s : m_existing) {
        if (ToLowerAscii(s.abbreviation) == lower) return &s;
    }
    return nullptr;
}

bool CImportDlg::IsOpenSearchRow(int row) const
{
    return row == static_cast<int>(m_loaded.size());
}

void CImportDlg::ChooseSource(int row)
{
    m_sources->setCurrentRow(row);
    ShowSource(row);
}

void CImportDlg::ShowSource(int row)
{
    m_filling = true;
    m_checklist->clear();
    m_shown = -1;
    if (row < 0 || IsOpenSearchRow(row) || row > static_cast<int>(m_loaded.size())) {
        m_note->setText(IsOpenSearchRow(row) ? tr("Choose an OpenSearch description file.") : QString());
        m_filling = false;
        return;
    }
    m_shown = row;
    const SLoaded& loaded = m_loaded[static_cast<std::size_t>(row)];
    for (std::size_t i = 0; i < loaded.result.engines.size(); ++i) {
        const SImportedEngine& e = loaded.result.engines[i];
        QString name = Q(e.name);
        if (loaded.already[i]) name = tr("%1 (already there)").arg(name);
        if (e.origin == EEngineOrigin::Policy) name = tr("%1 (set by policy)").arg(name);
        if (e.origin == EEngineOrigin::Site) name = tr("%1 (added by a site)").arg(name);
        // The first engine with an abbreviation wins a query, so a keyword the
        // catalogue already uses would not reach the imported engine.
        QString keyword = Q(e.keyword);
        const SSearch* owner = KeywordOwner(e.keyword);
        if (owner) keyword = tr("%1 (in use)").arg(keyword);
        auto* item = new QTreeWidgetItem({name, keyword, Q(e.url)});
        if (owner)
            item->setToolTip(kColumnKeyword,
                             tr("\"%1\" in the catalogue has this abbreviation and comes first.").arg(Q(owner->name)));
        // The catalogue has this one already: shown, greyed, never ticked.
        item->setFlags(loaded.already[i] ? Qt::ItemIsSelectable
                                         : Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        item->setCheckState(kColumnName, loaded.ticked[i] ? Qt::Checked : Qt::Unchecked);
        item->setToolTip(kColumnAddress, Q(e.url));
        m_checklist->addTopLevelItem(item);
    }
    QString note = loaded.result.Readable() ? SkippedText(loaded.result)
                                            : tr("Unreadable: %1").arg(TranslatedReason(loaded.result.unreadable));
    m_note->setText(note);
    m_filling = false;
}

void CImportDlg::OnItemChanged(QTreeWidgetItem* item, int column)
{
    if (m_filling || m_shown < 0 || column != kColumnName) return;
    const int i = m_checklist->indexOfTopLevelItem(item);
    SLoaded& loaded = m_loaded[static_cast<std::size_t>(m_shown)];
    if (i >= 0 && static_cast<std::size_t>(i) < loaded.ticked.size())
        loaded.ticked[static_cast<std::size_t>(i)] = item->checkState(kColumnName) == Qt::Checked;
}

void CImportDlg::OnSourceClicked(QListWidgetItem* item)
{
    if (IsOpenSearchRow(m_sources->row(item))) OnOpenSearchFile();
}

// Enter or Space on "OpenSearch file..." opens the chooser, and the key ends
// there: the dialog stays open to show the new file's engines.
bool CImportDlg::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_sources && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool opens = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter || key->key() == Qt::Key_Space;
        if (opens && (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier &&
            IsOpenSearchRow(m_sources->currentRow())) {
            OnOpenSearchFile();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void CImportDlg::OnOpenSearchFile()
{
    const QString path = m_chooseFile ? m_chooseFile(this) : QString();
    if (path.isEmpty()) return;
    SImportSource source;
    if (const SImportFunctions* importers = ImportFunctions()) {
        source = importers->openSearchSource(path.toStdString());
    } else {
        source.kind = ESourceKind::OpenSearch;
        source.label = source.path = path.toStdString();
    }
    const int row = static_cast<int>(m_loaded.size());
    AddLoaded(source, ReadSource(source), row);
    ChooseSource(row);
}

std::vector<SSearch> CImportDlg::ChosenEngines() const
{
    std::vector<SSearch> chosen;
    std::set<std::string> templates;
    for (const SSearch& s : m_existing) templates.insert(s.url);
    for (const SLoaded& loaded : m_loaded) {
        for (std::size_t i = 0; i < loaded.result.engines.size(); ++i) {
            const SImportedEngine& e = loaded.result.engines[i];
            if (!loaded.ticked[i] || !templates.insert(e.url).second) continue;
            SSearch s;
            s.name = e.name;
            s.url = e.url;
            s.abbreviation = e.keyword;
            s.group = loaded.source.group;
            s.charset = e.charset;
            s.selected = false;
            chosen.push_back(std::move(s));
        }
    }
    return chosen;
}
