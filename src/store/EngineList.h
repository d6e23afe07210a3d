// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "store/SSearch.h"

#include <cstdint>
#include <vector>

// The ordered engine list. Out-of-range indexes and negative counts are
// programming errors and throw std::invalid_argument without touching the list.
class CEngineList {
public:
    std::int32_t Count() const;

    SSearch& At(std::int32_t i);
    const SSearch& At(std::int32_t i) const;

    // Grows with default records (empty strings, not selected, extra 0) or
    // shrinks from the end; 0 releases the storage.
    void SetCount(std::int32_t n);
    void Append(const SSearch& record);
    void RemoveAll();
    // Removes every record whose mark is set, keeping the others in order;
    // `marks` holds one mark per record. Returns how many were removed.
    std::int32_t RemoveMarked(const std::vector<bool>& marks);
    // Exchanges two records in place.
    void Swap(std::int32_t i, std::int32_t j);
    // Copies every record of `other` in order; copying a list onto itself does nothing.
    void CopyFrom(const CEngineList& other);

    auto begin() { return m_records.begin(); }
    auto end() { return m_records.end(); }
    auto begin() const { return m_records.begin(); }
    auto end() const { return m_records.end(); }

    bool operator==(const CEngineList&) const = default;

private:
    std::vector<SSearch> m_records;
};
