// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "bar/BarAccessible.h"

#include "bar/BarLook.h"
#include "bar/LumoraDlg.h"
#include "engines/Dispatch.h"
#include "store/EngineList.h"
#include "store/SSearch.h"

#include <QLineEdit>
#include <QPushButton>

namespace {

// A button only for assistive technology: the bar paints the box under it.
class CBoxButton : public QPushButton {
public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent*) override {}
};

void SetNameIfChanged(QWidget* widget, const QString& name)
{
    // Every set is announced, so only a real change is set.
    if (widget->accessibleName() != name) widget->setAccessibleName(name);
}

}  // namespace

CBarAccessible::CBarAccessible(CLumoraDlg* bar, SPresses presses)
    : QObject(bar),
      m_bar(bar)
{
    // The product's name, never translated.
    bar->setAccessibleName(QStringLiteral("Lumora"));

    // Created in reading order, each lowered below the ones before, so the
    // bar's children read: engine box, options box, query field, search.
    m_search = AddBox(tr("Search"), presses.search);
    m_optionsBox = AddBox(tr("Options"), presses.optionsBox);
    m_optionsBox->lower();
    m_engineBox = AddBox(QString(), presses.engineBox);
    m_engineBox->lower();

    const SBarLayout& layout = bar->Layout();
    m_engineBox->setGeometry(layout.engineBox);
    m_optionsBox->setGeometry(layout.optionsBox);
    m_search->setGeometry(layout.searchBox);

    connect(bar->QueryField(), &QLineEdit::textChanged, this, &CBarAccessible::Refresh);
    Refresh();
}

QPushButton* CBarAccessible::AddBox(const QString& name, const std::function<void()>& press)
{
    auto* button = new CBoxButton(m_bar);
    button->setAccessibleName(name);
    button->setAttribute(Qt::WA_TransparentForMouseEvents);
    button->setFocusPolicy(Qt::NoFocus);
    // In a dialog a push button would otherwise take Enter for itself.
    button->setAutoDefault(false);
    // The press comes from a timer after the accessibility call has been
    // answered, so a menu it opens never holds up the screen reader.
    if (press) connect(button, &QPushButton::clicked, this, press);
    button->show();
    return button;
}

void CBarAccessible::Refresh()
{
    const SSearch& current = m_bar->Current();
    SetNameIfChanged(m_engineBox, QString::fromStdString(current.name));
    SetNameIfChanged(m_bar->QueryField(),
                     FieldName(m_bar->QueryField()->text().toStdString(), current, m_bar->Engines()));
    m_search->setVisible(m_bar->Settings().buttonView != kViewNot);
}

QString CBarAccessible::FieldName(const std::string& text, const SSearch& current, const CEngineList& engines)
{
    // The engine whose abbreviation starts the text, as the search picks it.
    const SSearch picked = EngineForQuery(engines, text);
    const SSearch* target = IsNull(picked) ? &current : &picked;
    if (IsNull(*target)) return tr("Search");
    return tr("Search with %1").arg(QString::fromStdString(target->name));
}
