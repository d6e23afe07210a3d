// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/HelpAddress.h"

#include <QCoreApplication>

#include <system_error>

namespace {

constexpr char kHelpFile[] = "help.chm";

bool IsFile(const std::filesystem::path& path)
{
    std::error_code ec;
    return std::filesystem::is_regular_file(path, ec);
}

}  // namespace

std::string HelpAddress(const std::filesystem::path& workingFolder, const std::filesystem::path& programFolder)
{
    if (IsFile(workingFolder / kHelpFile)) return kHelpFile;
    const std::filesystem::path manual = (programFolder / LUMORA_MANUAL_FROM_BARDIR).lexically_normal();
    if (!programFolder.empty() && IsFile(manual)) return manual.string();
    return kHelpFile;
}

std::string HelpAddress()
{
    std::error_code ec;
    const std::filesystem::path working = std::filesystem::current_path(ec);
    return HelpAddress(working, QCoreApplication::applicationDirPath().toStdString());
}
