// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

// What a Firefox installation adds to a profile's search settings: the
// addresses of its built-in engines (search.json only names them) and the
// engines of an enterprise policy (search.json keeps only their names).
struct SFirefoxEngineDef {
    std::string name;
    std::string url;      // OpenSearch form: "{searchTerms}" where the query goes
    std::string charset;  // "" for UTF-8
    std::string alias;
    bool post = false;
};

struct SFirefoxInstallation {
    std::vector<std::uint8_t> config;       // search-config-v2.json; empty when not found
    std::vector<SFirefoxEngineDef> policy;  // in the policy's order
};

// The built-in engines of search-config-v2.json, each with the search
// address of the variant that fits `locale` and `region` (the base one
// when none does). False when the text is not such a list.
bool ParseFirefoxSearchConfig(const std::vector<std::uint8_t>& json, const std::string& locale,
                              const std::string& region, std::map<std::string, SFirefoxEngineDef>& engines);

// The engines of policies.json ("SearchEngines": {"Add": [...]}).
std::vector<SFirefoxEngineDef> ParseFirefoxPolicies(const std::vector<std::uint8_t>& json);

// Where Firefox is installed: Debian's firefox-esr and firefox, Mozilla's
// tarball, the Snap and the Flatpak (system-wide and the user's).
std::vector<std::string> FirefoxInstallFolders(const std::string& home);

// The search configuration of the first of `folders` that has one
// (browser/omni.ja), and the policies Firefox reads: /etc/firefox/policies
// (under `etcFolder`) and each installation's distribution folder.
SFirefoxInstallation LoadFirefoxInstallation(const std::vector<std::string>& folders, const std::string& etcFolder);
