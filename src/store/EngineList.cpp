// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "EngineList.h"

#include <stdexcept>
#include <string>
#include <utility>

namespace {

void CheckIndex(std::int32_t i, std::size_t size)
{
    if (i < 0 || static_cast<std::size_t>(i) >= size) {
        throw std::invalid_argument("engine list index " + std::to_string(i) + " out of range");
    }
}

}  // namespace

std::int32_t CEngineList::Count() const
{
    return static_cast<std::int32_t>(m_records.size());
}

SSearch& CEngineList::At(std::int32_t i)
{
    CheckIndex(i, m_records.size());
    return m_records[static_cast<std::size_t>(i)];
}

const SSearch& CEngineList::At(std::int32_t i) const
{
    CheckIndex(i, m_records.size());
    return m_records[static_cast<std::size_t>(i)];
}

void CEngineList::SetCount(std::int32_t n)
{
    if (n < 0) throw std::invalid_argument("negative engine list count");
    if (n == 0) {
        std::vector<SSearch>().swap(m_records);  // releases the storage too
        return;
    }
    // resize keeps the old records when growing fails (SSearch moves are noexcept).
    m_records.resize(static_cast<std::size_t>(n));
}

void CEngineList::Append(const SSearch& record)
{
    // Copy first: `record` may live in this list, and a failed copy must leave
    // the list as it was.
    SSearch copy = record;
    m_records.push_back(std::move(copy));
}

void CEngineList::RemoveAll()
{
    SetCount(0);
}

std::int32_t CEngineList::RemoveMarked(const std::vector<bool>& marks)
{
    if (marks.size() != m_records.size()) throw std::invalid_argument("one mark per engine expected");
    std::size_t kept = 0;
    for (std::size_t i = 0; i < m_records.size(); ++i) {
        if (marks[i]) continue;
        if (kept != i) m_records[kept] = std::move(m_records[i]);
        ++kept;
    }
    const auto removed = static_cast<std::int32_t>(m_records.size() - kept);
    if (kept == 0) {
        SetCount(0);
    } else {
        m_records.resize(kept);
    }
    return removed;
}

void CEngineList::Swap(std::int32_t i, std::int32_t j)
{
    CheckIndex(i, m_records.size());
    CheckIndex(j, m_records.size());
    std::swap(m_records[static_cast<std::size_t>(i)], m_records[static_cast<std::size_t>(j)]);
}

void CEngineList::CopyFrom(const CEngineList& other)
{
    if (&other == this) return;
    std::vector<SSearch> copy = other.m_records;
    m_records.swap(copy);
}
