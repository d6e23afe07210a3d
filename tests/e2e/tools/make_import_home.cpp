// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Fills a home with browser and desktop files to import from, made the way
// the browsers make them. Usage: make_import_home <home> <config dir> <data dir>
#include "import/ImportFixtures.h"

#include <cstdio>

int main(int argc, char** argv)
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s <home> <config dir> <data dir>\n", argv[0]);
        return 2;
    }
    MakeSampleHome(argv[1], argv[2], argv[3]);
    return ::testing::Test::HasFailure() ? 1 : 0;
}
