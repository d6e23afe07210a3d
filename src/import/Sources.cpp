// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "import/Sources.h"

#include "import/Chromium.h"
#include "import/Firefox.h"
#include "import/FirefoxConfig.h"
#include "import/OpenSearch.h"
#include "import/Sqlite.h"
#include "store/ReadFile.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <regex>

namespace fs = std::filesystem;

namespace {

constexpr std::size_t kMaxProfilesIniBytes = 1024 * 1024;

std::string Env(const char* name)
{
    const char* v = std::getenv(name);
    return v ? std::string(v) : std::string();
}

bool IsDir(const fs::path& p)
{
    std::error_code ec;
    return fs::is_directory(p, ec);
}

using IniSections = std::vector<std::pair<std::string, std::map<std::string, std::string>>>;

IniSections ReadIniSections(const fs::path& file)
{
    IniSections sections;
    std::vector<std::uint8_t> bytes;
    if (ReadFile(file.string(), bytes, kMaxProfilesIniBytes) != EReadFile::Read) return sections;
    const std::string text(bytes.begin(), bytes.end());
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(start, end - start);
        start = end + 1;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty() || line[0] == '#' || line[0] == ';') continue;
        if (line[0] == '[') {
            const std::size_t close = line.find(']');
            sections.emplace_back(line.substr(1, close == std::string::npos ? std::string::npos : close - 1),
                                  std::map<std::string, std::string>());
            continue;
        }
        const std::size_t eq = line.find('=');
        if (eq != std::string::npos && !sections.empty())
            sections.back().second[line.substr(0, eq)] = line.substr(eq + 1);
    }
    return sections;
}

fs::path ProfilePath(const fs::path& root, const std::string& path, const std::string& isRelative)
{
    return isRelative == "0" ? fs::path(path) : root / fs::path(path);
}

// The [ProfileN] sections of profiles.ini: each profile's name and folder.
// The profiles an installation uses (installs.ini, and the [Install...]
// sections of profiles.ini) come first; Firefox's first run marks an empty
// profile Default=1, so that flag says nothing.
std::vector<std::pair<std::string, fs::path>> FirefoxProfiles(const fs::path& root)
{
    std::vector<std::pair<std::string, fs::path>> profiles;
    const IniSections ini = ReadIniSections(root / "profiles.ini");
    std::vector<fs::path> inUse;
    IniSections installs = ReadIniSections(root / "installs.ini");
    for (const auto& [name, keys] : ini)
        if (name.rfind("Install", 0) == 0) installs.emplace_back(name, keys);
    for (const auto& [name, keys] : installs) {
        const auto it = keys.find("Default");
        if (it != keys.end() && !it->second.empty()) inUse.push_back(ProfilePath(root, it->second, "1"));
    }
    for (const auto& [name, keys] : ini) {
        if (name.rfind("Profile", 0) != 0) continue;
        const auto path = keys.find("Path");
        if (path == keys.end() || path->second.empty()) continue;
        const auto relative = keys.find("IsRelative");
        const auto label = keys.find("Name");
        profiles.emplace_back(label == keys.end() || label->second.empty() ? path->second : label->second,
                              ProfilePath(root, path->second, relative == keys.end() ? "1" : relative->second));
    }
    auto rank = [&](const fs::path& p) {
        for (std::size_t i = 0; i < inUse.size(); ++i)
            if (inUse[i].lexically_normal() == p.lexically_normal()) return i;
        return inUse.size();
    };
    std::stable_sort(profiles.begin(), profiles.end(),
                     [&](const auto& a, const auto& b) { return rank(a.second) < rank(b.second); });
    return profiles;
}

// A profile holds something to import only once Firefox has written its
// bookmarks or its search settings there.
bool HasFirefoxData(const fs::path& profile)
{
    std::error_code ec;
    return fs::exists(profile / "places.sqlite", ec) || fs::exists(profile / "search.json.mozlz4", ec);
}

struct SChromiumBrowser {
    const char* folder;  // under the config folder
    const char* name;
};
constexpr SChromiumBrowser kChromiumBrowsers[] = {
    {"chromium", "Chromium"}, {"google-chrome", "Google Chrome"},   {"BraveSoftware/Brave-Browser", "Brave"},
    {"vivaldi", "Vivaldi"},   {"microsoft-edge", "Microsoft Edge"},
};

// "Default" first, then "Profile 1", "Profile 2", ... by number.
std::vector<std::string> ChromiumProfiles(const fs::path& root)
{
    std::vector<std::pair<int, std::string>> found;
    static const std::regex numbered("Profile ([0-9]{1,6})");
    std::error_code ec;
    for (fs::directory_iterator it(root, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        std::smatch m;
        if (name == "Default")
            found.emplace_back(-1, name);
        else if (std::regex_match(name, m, numbered))
            found.emplace_back(std::stoi(m[1].str()), name);
    }
    std::sort(found.begin(), found.end());
    std::vector<std::string> names;
    for (auto& [n, name] : found) names.push_back(name);
    return names;
}

std::string Labelled(const std::string& browser, const std::string& profile, std::size_t profiles)
{
    return profiles > 1 ? browser + " (" + profile + ")" : browser;
}

SImportResult ReadDatabase(const fs::path& file, SImportResult (*reader)(sqlite3*))
{
    SImportResult result;
    CDatabaseCopy copy;
    std::string error;
    if (!copy.Open(file.string(), error)) {
        result.unreadable = error;
    } else {
        result = reader(copy.Db());
    }
    if (!result.Readable()) result.unreadable = file.filename().string() + ": " + result.unreadable;
    return result;
}

SImportResult ReadFirefoxProfile(const SImportSource& source)
{
    const fs::path folder(source.path);
    std::error_code ec;
    // A profile may hold only one of its two files.
    SImportResult result;
    if (fs::exists(folder / "places.sqlite", ec)) result = ReadDatabase(folder / "places.sqlite", &ReadFirefoxPlaces);
    // A profile that never changed its search settings has no search file.
    const fs::path search = folder / "search.json.mozlz4";
    if (!fs::exists(search, ec)) return result;
    std::vector<std::uint8_t> bytes;
    SImportResult engines;
    const EReadFile read = ReadFile(search.string(), bytes, kMaxImportBytes + 1);
    if (read != EReadFile::Read)
        engines.unreadable = LUMORA_TRANSLATE_NOOP("ImportReason", "cannot be read");
    else if (bytes.size() > kMaxImportBytes)
        engines.unreadable = LUMORA_TRANSLATE_NOOP("ImportReason", "too large");
    else
        engines = ReadFirefoxSearchFile(bytes, LoadFirefoxInstallation(source.firefoxInstalls, source.etc));
    if (!engines.Readable()) engines.unreadable = "search.json.mozlz4: " + engines.unreadable;
    result.Merge(std::move(engines));
    return result;
}

SImportResult ReadOpenSearchFile(const std::string& path)
{
    std::vector<std::uint8_t> bytes;
    SImportResult result;
    const EReadFile read = ReadFile(path, bytes, kMaxImportBytes + 1);
    if (read == EReadFile::CannotOpen)
        result.unreadable = LUMORA_TRANSLATE_NOOP("ImportReason", "cannot be opened");
    else if (read != EReadFile::Read)
        result.unreadable = LUMORA_TRANSLATE_NOOP("ImportReason", "cannot be read");
    else if (bytes.size() > kMaxImportBytes)
        result.unreadable = LUMORA_TRANSLATE_NOOP("ImportReason", "file too large");
    else
        result = ReadOpenSearch(bytes);
    return result;
}

}  // namespace

SImportPlaces SImportPlaces::FromEnvironment()
{
    SImportPlaces p;
    p.home = Env("HOME");
    p.configHome = Env("XDG_CONFIG_HOME");
    if (p.configHome.empty()) p.configHome = p.home + "/.config";
    p.dataHome = Env("XDG_DATA_HOME");
    if (p.dataHome.empty()) p.dataHome = p.home + "/.local/share";
    const std::string dirs = Env("XDG_DATA_DIRS");
    std::size_t start = 0;
    while (start <= dirs.size() && !dirs.empty()) {
        std::size_t colon = dirs.find(':', start);
        if (colon == std::string::npos) colon = dirs.size();
        if (colon > start) p.systemDataDirs.push_back(dirs.substr(start, colon - start));
        start = colon + 1;
    }
    if (p.systemDataDirs.empty()) p.systemDataDirs = {"/usr/local/share", "/usr/share"};
    p.firefoxInstalls = FirefoxInstallFolders(p.home);
    return p;
}

std::vector<SImportSource> FindImportSources(const SImportPlaces& places)
{
    std::vector<SImportSource> sources;
    if (!places.home.empty()) {
        // The classic folder, the XDG one of newer releases, Snap and Flatpak.
        const fs::path home(places.home);
        const fs::path roots[] = {home / ".mozilla/firefox", fs::path(places.configHome) / "mozilla/firefox",
                                  home / "snap/firefox/common/.mozilla/firefox",
                                  home / ".var/app/org.mozilla.firefox/.mozilla/firefox"};
        std::vector<std::pair<std::string, fs::path>> profiles;
        for (const fs::path& root : roots) {
            for (auto& profile : FirefoxProfiles(root)) {
                if (!IsDir(profile.second) || !HasFirefoxData(profile.second)) continue;
                std::error_code ec;
                const auto same = std::find_if(profiles.begin(), profiles.end(), [&](const auto& known) {
                    return fs::equivalent(known.second, profile.second, ec);
                });
                if (same == profiles.end()) profiles.push_back(profile);
            }
        }
        for (const auto& [name, path] : profiles) {
            SImportSource s;
            s.kind = ESourceKind::Firefox;
            s.group = "Firefox";
            s.label = Labelled("Firefox", name, profiles.size());
            s.path = path.string();
            s.firefoxInstalls = places.firefoxInstalls;
            s.etc = places.etc;
            sources.push_back(std::move(s));
        }
    }

    for (const SChromiumBrowser& browser : kChromiumBrowsers) {
        const fs::path root = fs::path(places.configHome) / browser.folder;
        if (places.configHome.empty() || !IsDir(root)) continue;
        const std::vector<std::string> profiles = ChromiumProfiles(root);
        for (const std::string& profile : profiles) {
            SImportSource s;
            s.kind = ESourceKind::Chromium;
            s.group = browser.name;
            s.label = Labelled(browser.name, profile, profiles.size());
            s.path = (root / profile).string();
            sources.push_back(std::move(s));
        }
    }

    SImportSource kde;
    kde.kind = ESourceKind::Kde;
    kde.group = "KDE";
    kde.label = "KDE";
    bool anyKde = false;
    auto addKde = [&](const std::string& base, bool user) {
        if (base.empty()) return;
        // KDE Frameworks 5 releases keep the web shortcuts under kservices5.
        for (const char* version : {"kf6", "kf5", "kservices5"}) {
            const fs::path folder = fs::path(base) / version / "searchproviders";
            kde.kdeFolders.push_back({folder.string(), user});
            anyKde = anyKde || IsDir(folder);
        }
    };
    addKde(places.dataHome, true);
    for (const std::string& dir : places.systemDataDirs) addKde(dir, false);
    if (anyKde) sources.push_back(std::move(kde));
    return sources;
}

SImportSource OpenSearchSource(const std::string& path)
{
    SImportSource s;
    s.kind = ESourceKind::OpenSearch;
    s.group = "OpenSearch";
    s.label = "OpenSearch (" + fs::path(path).filename().string() + ")";
    s.path = path;
    return s;
}

SImportResult ReadImportSource(const SImportSource& source)
{
    switch (source.kind) {
    case ESourceKind::Firefox: return ReadFirefoxProfile(source);
    case ESourceKind::Chromium: return ReadDatabase(fs::path(source.path) / "Web Data", &ReadChromiumKeywords);
    case ESourceKind::Kde: return ReadKdeProviders(source.kdeFolders);
    case ESourceKind::OpenSearch: return ReadOpenSearchFile(source.path);
    }
    return {};
}
