// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <functional>
#include <string>

// Hands an address (a web address, or a local file name such as "help.chm")
// to the desktop's opener. The result is never examined.
void OpenAddress(const std::string& address);

// The function OpenAddress calls. Tests swap it to record addresses instead of
// launching a browser; the previous opener is returned so it can be restored.
using AddressOpener = std::function<void(const std::string&)>;
AddressOpener SetAddressOpener(AddressOpener opener);
