#include "import/Sources.h"

#include "import/Chromium.h"
#include "import/Firefox.h"
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

// [ProfileN] sections of profiles.ini: each profile's folder and name.
std::vector<std::pair<std::string, fs::path>> FirefoxProfiles(const fs::path& root)
{
    std::vector<std::pair<std::string, fs::path>> profiles;
    std::vector<std::uint8_t> bytes;
    if (ReadFile((root / "profiles.ini").string(), bytes, kMaxProfilesIniBytes) != EReadFile::Read) return profiles;
    const std::string text(bytes.begin(), bytes.end());
    std::map<std::string, std::string> section;
    bool inProfile = false;
    auto flush = [&] {
        if (inProfile && !section["Path"].empty()) {
            const fs::path path =
                section["IsRelative"] == "0" ? fs::path(section["Path"]) : root / fs::path(section["Path"]);
            profiles.emplace_back(section["Name"].empty() ? section["Path"] : section["Name"], path);
        }
        section.clear();
    };
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(start, end - start);
        start = end + 1;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty() || line[0] == '#' || line[0] == ';') continue;
        if (line[0] == '[') {
            flush();
            inProfile = line.rfind("[Profile", 0) == 0;
            continue;
        }
        const std::size_t eq = line.find('=');
        if (eq != std::string::npos) section[line.substr(0, eq)] = line.substr(eq + 1);
    }
    flush();
    return profiles;
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

SImportResult ReadFirefoxProfile(const fs::path& folder)
{
    SImportResult result = ReadDatabase(folder / "places.sqlite", &ReadFirefoxPlaces);
    // A profile that never changed its search settings has no search file.
    const fs::path search = folder / "search.json.mozlz4";
    std::error_code ec;
    if (!fs::exists(search, ec)) return result;
    std::vector<std::uint8_t> bytes;
    SImportResult engines;
    const EReadFile read = ReadFile(search.string(), bytes, kMaxImportBytes + 1);
    if (read != EReadFile::Read)
        engines.unreadable = LUMORA_TRANSLATE_NOOP("ImportReason", "cannot be read");
    else if (bytes.size() > kMaxImportBytes)
        engines.unreadable = LUMORA_TRANSLATE_NOOP("ImportReason", "too large");
    else
        engines = ReadFirefoxSearchFile(bytes);
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
                if (!IsDir(profile.second)) continue;
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
        for (const char* version : {"kf6", "kf5"}) {
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
    case ESourceKind::Firefox: return ReadFirefoxProfile(source.path);
    case ESourceKind::Chromium: return ReadDatabase(fs::path(source.path) / "Web Data", &ReadChromiumKeywords);
    case ESourceKind::Kde: return ReadKdeProviders(source.kdeFolders);
    case ESourceKind::OpenSearch: return ReadOpenSearchFile(source.path);
    }
    return {};
}
