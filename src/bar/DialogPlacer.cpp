// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "bar/DialogPlacer.h"

#include "platform/Desktop.h"

#include <QApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <utility>

namespace {

bool IsDialogWindow(const QWidget* widget)
{
    return widget->isWindow() && widget->windowType() == Qt::Dialog;
}

}  // namespace

CDialogPlacer::CDialogPlacer(std::function<QRect()> keepClear, QObject* parent)
    : QObject(parent),
      m_keepClear(std::move(keepClear))
{
    qApp->installEventFilter(this);
}

CDialogPlacer::~CDialogPlacer()
{
    qApp->removeEventFilter(this);
}

// The show event comes after QDialog has centred itself on its parent and
// before the window is mapped, so the window manager only ever sees the final
// place.
bool CDialogPlacer::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::Show || !watched->isWidgetType()) return false;
    auto* dialog = static_cast<QWidget*>(watched);
    if (!IsDialogWindow(dialog)) return false;

    const QRect keepClear = m_keepClear();
    const QScreen* screen = QGuiApplication::screenAt(keepClear.center());
    if (!screen) screen = QGuiApplication::primaryScreen();
    if (!screen) return false;
    // A window that has been shown before knows its frame; a new one counts
    // its client size and lets the window manager add the frame.
    dialog->move(CenteredClearOf(dialog->frameGeometry().size(), screen->availableGeometry(), keepClear));
    return false;
}
