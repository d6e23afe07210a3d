// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstddef>
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

enum class EReadFile {
    Read,        // `bytes` holds what the file had, up to the limit
    CannotOpen,  // missing, or no permission
    ReadFailed,  // opened, but a read failed (a folder, an I/O error)
};

// Reads at most `maxBytes` from the start of the file at `path` into `bytes`,
// retrying reads that a signal interrupts. Whatever the result, `bytes` holds
// exactly the bytes read.
EReadFile ReadFile(const std::string& path, std::vector<std::uint8_t>& bytes,
                   std::size_t maxBytes = std::numeric_limits<std::size_t>::max());
