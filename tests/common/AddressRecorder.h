// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/AddressOpener.h"

#include <string>
#include <utility>
#include <vector>

// Collects every address the program hands to the desktop's opener, instead
// of launching a browser, for the lifetime of the object. Recorders nest: the
// previous opener comes back when a recorder goes.
class AddressRecorder {
public:
    AddressRecorder()
        : m_previous(SetAddressOpener([this](const std::string& address) { m_addresses.push_back(address); }))
    {}
    ~AddressRecorder() { SetAddressOpener(std::move(m_previous)); }
    AddressRecorder(const AddressRecorder&) = delete;
    AddressRecorder& operator=(const AddressRecorder&) = delete;

    const std::vector<std::string>& Addresses() const { return m_addresses; }
    void Clear() { m_addresses.clear(); }

private:
    std::vector<std::string> m_addresses;
    AddressOpener m_previous;
};
