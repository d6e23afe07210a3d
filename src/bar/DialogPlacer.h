// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <QRect>

#include <functional>

// Every dialog the bar opens (its own, the edit dialog over the catalogue,
// message boxes, the font dialog) would otherwise open centred on its parent,
// and the bar hangs from the top edge: the dialog's title bar would end up
// under the always-on-top bar. This watches the application's windows and
// puts each dialog, just before it first maps, in the middle of the bar's
// screen, below the bar where the middle would overlap it.
class CDialogPlacer : public QObject {
    Q_OBJECT

public:
    // `keepClear` gives the rectangle no dialog may cover, in screen
    // coordinates, at the moment a dialog opens.
    CDialogPlacer(std::function<QRect()> keepClear, QObject* parent);
    ~CDialogPlacer() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::function<QRect()> m_keepClear;
};
