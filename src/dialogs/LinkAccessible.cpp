// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogs/LinkAccessible.h"

#include "dialogs/SimpleLink.h"

#include <QAccessibleWidget>
#include <QMetaObject>

namespace {

class CLinkAccessible : public QAccessibleWidget {
public:
    explicit CLinkAccessible(CSimpleLink* link)
        : QAccessibleWidget(link, QAccessible::Link)
    {}

    QString text(QAccessible::Text t) const override
    {
        // The caption is what is painted; the label's text may differ.
        if (t == QAccessible::Name && Link()->accessibleName().isEmpty()) return Link()->Caption();
        return QAccessibleWidget::text(t);
    }

    QStringList actionNames() const override { return QStringList(pressAction()) + QAccessibleWidget::actionNames(); }

    void doAction(const QString& actionName) override
    {
        // Queued: the page opens after the screen reader has had its answer.
        if (actionName == pressAction())
            QMetaObject::invokeMethod(Link(), &CSimpleLink::Activate, Qt::QueuedConnection);
        else
            QAccessibleWidget::doAction(actionName);
    }

private:
    CSimpleLink* Link() const { return static_cast<CSimpleLink*>(widget()); }
};

QAccessibleInterface* LinkFactory(const QString& className, QObject* object)
{
    if (className != QLatin1String("CSimpleLink")) return nullptr;
    auto* link = qobject_cast<CSimpleLink*>(object);
    return link ? new CLinkAccessible(link) : nullptr;
}

}  // namespace

void InstallLinkAccessible()
{
    static bool installed = false;
    if (installed) return;
    installed = true;
    QAccessible::installFactory(&LinkFactory);
}
