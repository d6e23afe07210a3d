// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What the store's benchmarks share: timing a step over rounds, and a
// scratch folder of their own.
#pragma once

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include <unistd.h>

// One step's times in milliseconds, sorted: front is the minimum, back the
// maximum, the middle the median.
struct SResult {
    const char* what;
    std::vector<double> ms;

    double Median() const { return ms[ms.size() / 2]; }
};

inline SResult Time(const char* what, const std::function<void()>& step, int rounds)
{
    SResult r{what, {}};
    for (int i = 0; i < rounds; ++i) {
        const auto start = std::chrono::steady_clock::now();
        step();
        const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
        r.ms.push_back(took.count());
    }
    std::sort(r.ms.begin(), r.ms.end());
    return r;
}

// A fresh folder under the temp dir, or "" (with the reason on stderr).
inline std::string MakeScratchFolder()
{
    std::string folder = (std::filesystem::temp_directory_path() / "lumora-bench-XXXXXX").string();
    if (!mkdtemp(folder.data())) {
        std::perror("mkdtemp");
        return {};
    }
    return folder;
}
