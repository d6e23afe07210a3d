// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "import/ImportTypes.h"

int SImportResult::SkippedCount() const
{
    int n = 0;
    for (const auto& [reason, count] : skipped) n += count;
    return n;
}

void SImportResult::Merge(SImportResult other)
{
    if (!other.Readable() && Readable()) unreadable = std::move(other.unreadable);
    for (SImportedEngine& e : other.engines) engines.push_back(std::move(e));
    for (const auto& [reason, count] : other.skipped) skipped[reason] += count;
}

std::string DescribeSkipped(const SImportResult& result)
{
    std::string text;
    for (const auto& [reason, count] : result.skipped) {
        if (!text.empty()) text += "; ";
        text += std::to_string(count) + (count == 1 ? " engine skipped: " : " engines skipped: ") + reason;
    }
    return text;
}
