// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <string_view>

// Whether `host` (any letter case) is a host of the built-in catalogue known
// to serve https today.
bool IsSecureBuiltInHost(std::string_view host);

// An "http://" address whose host is such a host, as "https://"; any other
// address as it is (an intranet site may serve plain http only).
std::string UpgradeToHttps(std::string address);
