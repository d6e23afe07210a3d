// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogs/AccessibleNames.h"

#include <QLabel>

namespace {

void NameIfUnnamed(QWidget* widget, const QString& name)
{
    if (widget->accessibleName().isEmpty()) widget->setAccessibleName(name);
}

}  // namespace

void BindLabel(QLabel* label, QWidget* control)
{
    label->setBuddy(control);
    const QString name = label->text();
    NameIfUnnamed(control, name);
    for (QWidget* inner = control->focusProxy(); inner; inner = inner->focusProxy()) NameIfUnnamed(inner, name);
    for (QWidget* inner : control->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (!inner->isWindow() && (inner->focusPolicy() & Qt::TabFocus)) NameIfUnnamed(inner, name);
    }
}
