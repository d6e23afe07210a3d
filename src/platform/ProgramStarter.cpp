// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/ProgramStarter.h"

#include <QProcess>
#include <QString>
#include <QStringList>

#include <utility>

namespace {

bool StartDetached(const std::vector<std::string>& argv)
{
    if (argv.empty() || argv.front().empty()) return false;
    QStringList arguments;
    for (auto it = argv.begin() + 1; it != argv.end(); ++it) arguments << QString::fromStdString(*it);
    return QProcess::startDetached(QString::fromStdString(argv.front()), arguments);
}

ProgramStarter& CurrentStarter()
{
    static ProgramStarter starter = StartDetached;
    return starter;
}

}  // namespace

bool StartProgram(const std::vector<std::string>& argv)
{
    const ProgramStarter& starter = CurrentStarter();
    return starter && starter(argv);
}

ProgramStarter SetProgramStarter(ProgramStarter starter)
{
    ProgramStarter previous = std::move(CurrentStarter());
    CurrentStarter() = starter ? std::move(starter) : ProgramStarter(StartDetached);
    return previous;
}
