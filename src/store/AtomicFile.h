// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// Writes `size` bytes to `path` through a temporary file in the same folder,
// flushed to disk and renamed over the old file. On any failure the temporary
// file is removed, the old file is left as it was, and false is returned.
bool WriteFileAtomically(const std::string& path, const std::uint8_t* data, std::size_t size);

// A save that was killed before its rename leaves its temporary file behind.
// Removes the leftovers of saves of `path` (".<name>.XXXXXX" beside it: six
// letters or digits, as WriteFileAtomically makes them). Only regular files
// of exactly that pattern go; anything else, and a file that cannot be
// removed, is left alone. Returns how many were removed.
int RemoveInterruptedSaves(const std::string& path);
