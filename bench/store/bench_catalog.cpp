// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Times the catalogue file on a list far larger than any user keeps, to show
// that saving and loading stay well below what a user would notice.
#include "store/CatalogFile.h"

#include "BenchTiming.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include <unistd.h>

namespace {

constexpr int kEngines = 100000;
constexpr int kRounds = 9;
constexpr double kTargetMs = 100.0;

CEngineList BuildList()
{
    static const char* const groups[] = {"Search", "Image", "News", "Video", "Shopping", "Reference", "Other"};
    CEngineList list;
    for (int i = 0; i < kEngines; ++i) {
        SSearch r;
        const std::string n = std::to_string(i);
        r.name = "Engine number " + n;
        r.url = "http://search" + n + ".example.com/search?hl=en&q=[keyword]&source=bar";
        r.abbreviation = "e" + n;
        r.group = groups[i % 7];
        r.selected = i % 3 == 0;
        r.extra = i;
        list.Append(r);
    }
    return list;
}

}  // namespace

int main()
{
    const std::string folder = MakeScratchFolder();
    if (folder.empty()) return 1;
    const std::string path = folder + "/catalog.lmr";
    const CEngineList list = BuildList();
    const std::size_t bytes = WriteCatalog(list).size();

    bool ok = true;
    CEngineList loaded;
    std::vector<std::uint8_t> image;
    const SResult results[] = {
        Time(
            "write image", [&] { image = WriteCatalog(list); }, kRounds),
        Time(
            "read image", [&] { ok &= ReadCatalog(image.data(), image.size(), loaded); }, kRounds),
        Time(
            "SaveCatalog", [&] { ok &= SaveCatalog(path, list); }, kRounds),
        Time(
            "LoadCatalog", [&] { ok &= LoadCatalog(path, loaded); }, kRounds),
    };
    ok &= loaded == list;
    std::filesystem::remove_all(folder);

    std::printf("catalogue of %d engines, %.1f MB, %d rounds each\n\n", kEngines, bytes / 1e6, kRounds);
    std::printf("%-14s %10s %10s %10s\n", "step", "median ms", "min ms", "max ms");
    bool fast = true;
    for (const SResult& r : results) {
        const double median = r.Median();
        std::printf("%-14s %10.2f %10.2f %10.2f%s\n", r.what, median, r.ms.front(), r.ms.back(),
                    median > kTargetMs ? "  (over target)" : "");
        fast &= median <= kTargetMs;
    }
    std::printf("\ntarget: median under %.0f ms per step: %s\n", kTargetMs, fast ? "met" : "MISSED");
    if (!ok) {
        std::fprintf(stderr, "a save or load failed, or the loaded list differs\n");
        return 1;
    }
    return 0;
}
