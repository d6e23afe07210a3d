// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogs/CatalogSort.h"

#include "store/TextUtil.h"

#include <algorithm>
#include <numeric>
#include <string>
#include <utility>

namespace {

const std::string& KeyField(const SSearch& s, int column)
{
    switch (column) {
    case kColumnAbbreviation: return s.abbreviation;
    case kColumnGroup: return s.group;
    default: return s.name;
    }
}

}  // namespace

std::vector<std::int32_t> SortEngines(CEngineList& list, int column, bool ascending)
{
    const std::int32_t count = list.Count();
    std::vector<std::int32_t> order(static_cast<std::size_t>(count));
    std::iota(order.begin(), order.end(), 0);
    if (count < 2 || column < 0 || column >= kColumnCount) return order;

    // Lower-case every key once instead of at every comparison.
    std::vector<std::string> keys;
    keys.reserve(order.size());
    for (const SSearch& s : list) keys.push_back(ToLowerAscii(KeyField(s, column)));

    // std::string compares through char_traits<char>, which orders bytes as
    // unsigned char. A stable sort gives what repeated exchanges of unequal
    // neighbours give, in O(n log n).
    if (ascending) {
        std::stable_sort(order.begin(), order.end(),
                         [&keys](std::int32_t a, std::int32_t b) { return keys[a] < keys[b]; });
    } else {
        std::stable_sort(order.begin(), order.end(),
                         [&keys](std::int32_t a, std::int32_t b) { return keys[b] < keys[a]; });
    }

    CEngineList sorted;
    sorted.SetCount(count);
    for (std::int32_t i = 0; i < count; ++i) sorted.At(i) = std::move(list.At(order[static_cast<std::size_t>(i)]));
    list = std::move(sorted);
    return order;
}
