// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/SessionEnd.h"

#include "bar/LumoraDlg.h"
#include "options/OptionTable.h"
#include "platform/TerminationSignals.h"

#include <QApplication>
#include <QDialog>
#include <QGuiApplication>
#include <QMetaObject>
#include <QWidget>

namespace {

// Bounds the closing loops should some widget refuse to go.
constexpr int kMaxLayers = 32;

void ClosePopups()
{
    for (int i = 0; i < kMaxLayers; ++i) {
        QWidget* popup = QApplication::activePopupWidget();
        if (!popup) return;
        popup->close();
        if (QApplication::activePopupWidget() == popup) popup->hide();
    }
}

// Modal widgets above the bar, from the top: a dialog is rejected, as its
// Cancel button would, so its caller sees nothing was chosen.
void CloseModalsAbove(const QWidget* bar)
{
    for (int i = 0; i < kMaxLayers; ++i) {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || modal == bar) return;
        if (auto* dialog = qobject_cast<QDialog*>(modal))
            dialog->reject();
        else
            modal->close();
        if (QApplication::activeModalWidget() == modal) modal->hide();
    }
}

}  // namespace

void SendCloseCommand(CLumoraDlg& bar)
{
    // A popup may belong to a dialog, so popups go first.
    ClosePopups();
    CloseModalsAbove(&bar);
    // Queued: the request may come in the middle of any handler, the close
    // runs from the event loop once that handler is done.
    QMetaObject::invokeMethod(
        &bar, [&bar] { bar.OnCommand(kCloseCommand); }, Qt::QueuedConnection);
}

void ConnectSessionEnd(CLumoraDlg& bar, CTerminationSignals& termination)
{
    QObject::connect(&termination, &CTerminationSignals::Requested, &bar, [&bar](int) { SendCloseCommand(bar); });
#if QT_CONFIG(sessionmanager)
    // Whether or not the session really ends after this, the bar saves and
    // ends, as on "Close".
    QObject::connect(qApp, &QGuiApplication::commitDataRequest, &bar,
                     [&bar](QSessionManager&) { SendCloseCommand(bar); });
#endif
}
