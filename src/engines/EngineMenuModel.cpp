// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "EngineMenuModel.h"

#include "NewerForms.h"

std::vector<std::string> EngineMenuTexts(const CEngineList& engines)
{
    std::vector<std::string> texts;
    for (const SSearch& engine : engines) {
        if (!engine.selected) continue;
        if (static_cast<int>(texts.size()) == kMaxEngineEntries) break;
        texts.push_back(engine.name + " [" + engine.abbreviation + "]");
    }
    return texts;
}

SSearch EngineAtMenuPosition(const CEngineList& engines, int k)
{
    int count = -1;
    for (const SSearch& engine : engines) {
        if (engine.selected && ++count == k) return engine;
    }
    return NullSearch();
}

namespace {

// The same address, or the built-in one `held` was brought up to date from:
// the engine the bar searches with keeps its menu entry through an update.
bool SameAddress(const std::string& inList, const std::string& held)
{
    if (inList == held) return true;
    const SNewerForm* form = FindNewerForm(held);
    return form && !form->today.empty() && form->fate != EEngineFate::Closed && inList == form->today;
}

}  // namespace

int MenuPositionOf(const CEngineList& engines, const SSearch& engine)
{
    int k = 0;
    for (const SSearch& candidate : engines) {
        if (!candidate.selected) continue;
        if (k == kMaxEngineEntries) break;
        if (candidate.name == engine.name && SameAddress(candidate.url, engine.url) &&
            candidate.abbreviation == engine.abbreviation) {
            return k;
        }
        ++k;
    }
    return -1;
}
