// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "SecureAddress.h"

#include "NewerForms.h"
#include "store/TextUtil.h"

#include <algorithm>
#include <string_view>
#include <vector>

namespace {

constexpr std::string_view kHttp = "http://";
constexpr std::string_view kHttps = "https://";

// On Chromium's HSTS preload list (force-https), though the engine's own
// search address is not vouched for.
constexpr std::string_view kPreloadedHosts[] = {"groups.google.com"};

// The host of an address that starts with a scheme, or "" when the authority
// holds more than a host (a port or user name).
std::string_view HostOf(std::string_view address, std::size_t schemeLength)
{
    const std::string_view rest = address.substr(schemeLength);
    const std::string_view authority = rest.substr(0, rest.find_first_of("/?#"));
    if (authority.find_first_of(":@") != std::string_view::npos) return {};
    return authority;
}

bool StartsWithNoCase(std::string_view text, std::string_view prefix)
{
    return text.size() >= prefix.size() && ToLowerAscii(std::string(text.substr(0, prefix.size()))) == prefix;
}

// Hosts of the built-in engines that are alive or moved: each serves https.
const std::vector<std::string>& SecureHosts()
{
    static const std::vector<std::string> hosts = [] {
        std::vector<std::string> list;
        for (const SNewerForm& form : NewerForms()) {
            if (form.fate == EEngineFate::Closed) continue;
            const std::size_t scheme = form.builtIn.find("://");
            if (scheme == std::string_view::npos) continue;
            list.emplace_back(HostOf(form.builtIn, scheme + 3));
        }
        list.insert(list.end(), std::begin(kPreloadedHosts), std::end(kPreloadedHosts));
        std::sort(list.begin(), list.end());
        list.erase(std::unique(list.begin(), list.end()), list.end());
        return list;
    }();
    return hosts;
}

}  // namespace

bool IsSecureBuiltInHost(std::string_view host)
{
    if (host.empty()) return false;
    const std::string lower = ToLowerAscii(std::string(host));
    return std::binary_search(SecureHosts().begin(), SecureHosts().end(), lower);
}

std::string UpgradeToHttps(std::string address)
{
    if (!StartsWithNoCase(address, kHttp)) return address;
    if (!IsSecureBuiltInHost(HostOf(address, kHttp.size()))) return address;
    address.replace(0, kHttp.size(), kHttps);
    return address;
}
