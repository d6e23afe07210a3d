#include "EngineMenuModel.h"

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

int MenuPositionOf(const CEngineList& engines, const SSearch& engine)
{
    int k = 0;
    for (const SSearch& candidate : engines) {
        if (!candidate.selected) continue;
        if (k == kMaxEngineEntries) break;
        if (candidate.name == engine.name && candidate.url == engine.url &&
            candidate.abbreviation == engine.abbreviation) {
            return k;
        }
        ++k;
    }
    return -1;
}
