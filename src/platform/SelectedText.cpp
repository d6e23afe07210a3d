// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/SelectedText.h"

#include <QClipboard>
#include <QGuiApplication>

namespace {

bool HasVisibleText(const QString& text)
{
    for (const QChar c : text) {
        if (!c.isSpace() && c.category() != QChar::Other_Control) return true;
    }
    return false;
}

}  // namespace

QString SelectedText()
{
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (!clipboard) return {};
    if (clipboard->supportsSelection()) {
        const QString selected = clipboard->text(QClipboard::Selection);
        if (HasVisibleText(selected)) return selected;
    }
    const QString copied = clipboard->text(QClipboard::Clipboard);
    return HasVisibleText(copied) ? copied : QString();
}
