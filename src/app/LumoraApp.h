// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QApplication>

struct SLaunch;

// The application object. It has no loop of its own: the owner runs the bar,
// the bar's modal run pumps every event, and the process ends with it.
class CLumoraApp : public QApplication {
    Q_OBJECT

public:
    CLumoraApp(int& argc, char** argv);

    // Runs the owner, and through it the bar; returns the exit code. Later
    // starts reach the bar through `instanceFd` (-1: they cannot). `launch`:
    // what this start asked for besides the bar.
    int Run(int instanceFd, const SLaunch& launch);
};
