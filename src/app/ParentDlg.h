// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDialog>

struct SLaunch;

// The bar's owner. It is never shown: it only runs the bar modally and is
// finished as soon as the bar is.
class CParentDlg : public QDialog {
    Q_OBJECT

public:
    CParentDlg() = default;

    // Runs the bar until it ends; the bar's result is of no interest. What
    // later starts send through `instanceFd` (taken over) shows or closes it.
    // `launch`: what the start that made this bar asked for (a search, the
    // selection), done once the bar runs.
    void Run(int instanceFd, const SLaunch& launch);
};
