// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Runs every file under the given folders through all fuzz entry points, so
// the corpus and every crash ever found stay a regression test with any
// compiler.
#include "FuzzEntryPoints.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

namespace fs = std::filesystem;

int main(int argc, char** argv)
{
    int files = 0;
    for (int i = 1; i < argc; ++i) {
        std::error_code ec;
        for (fs::recursive_directory_iterator it(argv[i], ec), end; !ec && it != end; it.increment(ec)) {
            if (!it->is_regular_file()) continue;
            std::ifstream in(it->path(), std::ios::binary);
            const std::vector<std::uint8_t> data((std::istreambuf_iterator<char>(in)),
                                                 std::istreambuf_iterator<char>());
            FuzzCatalog(data.data(), data.size());
            FuzzSettings(data.data(), data.size());
            FuzzIni(data.data(), data.size());
            FuzzHistory(data.data(), data.size());
            FuzzMozLz4(data.data(), data.size());
            FuzzOpenSearch(data.data(), data.size());
            FuzzJar(data.data(), data.size());
            FuzzDesktopEntry(data.data(), data.size());
            FuzzMessage(data.data(), data.size());
            ++files;
        }
        if (ec) {
            std::fprintf(stderr, "cannot read %s: %s\n", argv[i], ec.message().c_str());
            return 1;
        }
    }
    std::printf("%d inputs replayed\n", files);
    return files > 0 ? 0 : 1;  // an empty corpus means a wrong path
}
