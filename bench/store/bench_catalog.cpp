// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Times the catalogue file on a list far larger than any user keeps, to show
// that saving and loading stay well below what a user would notice.
#include "store/CatalogFile.h"

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

struct SResult {
    const char* what;
    std::vector<double> ms;
};

SResult Time(const char* what, const std::function<void()>& step)
{
    SResult r{what, {}};
    for (int i = 0; i < kRounds; ++i) {
        const auto start = std::chrono::steady_clock::now();
        step();
        const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
        r.ms.push_back(took.count());
    }
    std::sort(r.ms.begin(), r.ms.end());
    return r;
}

}  // namespace

int main()
{
    std::string folder = (std::filesystem::temp_directory_path() / "lumora-bench-XXXXXX").string();
    if (!mkdtemp(folder.data())) {
        std::perror("mkdtemp");
        return 1;
    }
    const std::string path = folder + "/catalog.lmr";
    const CEngineList list = BuildList();
    const std::size_t bytes = WriteCatalog(list).size();

    bool ok = true;
    CEngineList loaded;
    std::vector<std::uint8_t> image;
    const SResult results[] = {
        Time("write image", [&] { image = WriteCatalog(list); }),
        Time("read image", [&] { ok &= ReadCatalog(image.data(), image.size(), loaded); }),
        Time("SaveCatalog", [&] { ok &= SaveCatalog(path, list); }),
        Time("LoadCatalog", [&] { ok &= LoadCatalog(path, loaded); }),
    };
    ok &= loaded == list;
    std::filesystem::remove_all(folder);

    std::printf("catalogue of %d engines, %.1f MB, %d rounds each\n\n", kEngines, bytes / 1e6, kRounds);
    std::printf("%-14s %10s %10s %10s\n", "step", "median ms", "min ms", "max ms");
    bool fast = true;
    for (const SResult& r : results) {
        const double median = r.ms[r.ms.size() / 2];
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
