// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <string>

// One search engine. Strings are 8-bit text (UTF-8 on Linux, but any bytes
// are kept as they are).
struct SSearch {
    std::string name;
    std::string url;           // URL template; "[keyword]" stands for the query
    std::string abbreviation;  // first word of a query that picks this engine
    std::string group;
    bool selected = false;   // listed in the engine menu
    std::int32_t extra = 0;  // carried along and stored, never interpreted
    std::string charset;     // the charset the site expects its query in; "" for UTF-8

    bool operator==(const SSearch&) const = default;
};

// The record every lookup returns for "not found".
inline constexpr const char* kNullName = "null";

inline SSearch NullSearch()
{
    SSearch s;
    s.name = kNullName;
    return s;
}

inline bool IsNull(const SSearch& s)
{
    return s.name == kNullName;
}
