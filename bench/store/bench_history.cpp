// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Times the search history where a user could notice it: reading a full
// history at start (after the first frame), writing it after a search, and
// the completion of one keystroke against a thousand entries.
#include "store/SearchHistory.h"

#include "BenchTiming.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include <unistd.h>

namespace {

constexpr int kRounds = 15;
constexpr double kLoadTargetMs = 20.0;
constexpr double kKeystrokeTargetMs = 1.0;

// Searches of two to five words, some with an abbreviation in front and
// some not ASCII, so completion meets the mix a real history has.
CSearchHistory FullHistory()
{
    static const char* const words[] = {"weather", "dublin",   "bay",    "recipe", "Ärger",  "piano",  "lesson",
                                        "c++",     "template", "москва", "train",  "times",  "cheap",  "flights",
                                        "python",  "list",     "sort",   "review", "camera", "wiener", "Schnitzel"};
    static const char* const abbreviations[] = {"", "", "", "w ", "yt ", "gi ", "a "};
    std::mt19937 random(7);
    CSearchHistory history;
    for (int i = 0; history.Size() < kMaxHistoryEntries; ++i) {
        std::string query = abbreviations[random() % std::size(abbreviations)];
        const int count = 2 + static_cast<int>(random() % 4);
        for (int w = 0; w < count; ++w) query += std::string(w ? " " : "") + words[random() % std::size(words)];
        history.Add(query + " " + std::to_string(i));
    }
    return history;
}

}  // namespace

int main()
{
    const std::string folder = MakeScratchFolder();
    if (folder.empty()) return 1;
    const std::string path = folder + "/Lumora/history";
    const std::string hugePath = folder + "/huge";
    const CSearchHistory full = FullHistory();
    CHistoryFile file(path);
    bool ok = file.Save(full);

    // A 100 MB file: a full history in front, the rest a hole.
    ok &= std::filesystem::copy_file(path, hugePath);
    ok &= ::truncate(hugePath.c_str(), 100 * 1000 * 1000) == 0;

    CSearchHistory loaded;
    CSearchHistory working = full;
    std::size_t found = 0;
    // What a user types, one keystroke at a time.
    const char* const typed[] = {"w", "w ", "w d", "p", "py", "pyt", "Ä", "äR", "м", "мо", "z", "cheap f"};
    const SResult loads[] = {
        Time(
            "load full history", [&] { ok &= CHistoryFile(path).Load(loaded); }, kRounds),
        Time(
            "load 100 MB file", [&] { ok &= CHistoryFile(hugePath).Load(loaded); }, kRounds),
        Time(
            "record a search", [&] { ok &= working.Add("a new search") && file.Save(working); }, kRounds),
    };
    std::vector<double> keystrokes;
    for (int round = 0; round < kRounds * 10; ++round) {
        for (const char* text : typed) {
            const auto start = std::chrono::steady_clock::now();
            found += full.Complete(text).size();
            const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
            keystrokes.push_back(took.count());
        }
    }
    std::sort(keystrokes.begin(), keystrokes.end());
    std::filesystem::remove_all(folder);

    std::printf("search history of %zu entries, %zu bytes; %d rounds each\n\n", full.Size(), full.Text().size(),
                kRounds);
    std::printf("%-22s %10s %10s %10s\n", "step", "median ms", "min ms", "max ms");
    bool fast = true;
    for (const SResult& r : loads) {
        const double median = r.Median();
        std::printf("%-22s %10.3f %10.3f %10.3f%s\n", r.what, median, r.ms.front(), r.ms.back(),
                    median > kLoadTargetMs ? "  (over target)" : "");
        fast &= median <= kLoadTargetMs;
    }
    const double keyMedian = keystrokes[keystrokes.size() / 2];
    const double key99 = keystrokes[keystrokes.size() * 99 / 100];
    std::printf("%-22s %10.4f %10.4f %10.4f  (99th percentile %.4f ms)\n", "completion, 1 key", keyMedian,
                keystrokes.front(), keystrokes.back(), key99);
    fast &= key99 < kKeystrokeTargetMs;
    std::printf("\ntargets: load and record under %.0f ms (the first frame never waits for either), "
                "a keystroke's completion under %.0f ms: %s\n",
                kLoadTargetMs, kKeystrokeTargetMs, fast ? "met" : "MISSED");
    if (!ok || loaded.Size() != full.Size() || found == 0) {
        std::fprintf(stderr, "a load or save failed, or the history read back differs\n");
        return 1;
    }
    return 0;
}
