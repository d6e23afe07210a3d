// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "desktop/DefaultBrowser.h"

#include "desktop/DesktopEntry.h"
#include "desktop/KeyFile.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <set>

#include <unistd.h>

namespace fs = std::filesystem;

namespace {

std::string Env(const char* name)
{
    const char* value = std::getenv(name);
    return value ? value : "";
}

std::vector<std::string> SplitPath(const std::string& list)
{
    std::vector<std::string> out;
    std::size_t start = 0;
    while (start <= list.size()) {
        std::size_t end = list.find(':', start);
        if (end == std::string::npos) end = list.size();
        std::string item = list.substr(start, end - start);
        // The rules ignore relative folders.
        if (item.starts_with('/')) out.push_back(std::move(item));
        start = end + 1;
    }
    return out;
}

std::string AbsoluteOr(const std::string& value, const std::string& fallback)
{
    return value.starts_with('/') ? value : fallback;
}

std::string Lower(std::string s)
{
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return s;
}

std::vector<std::string> ApplicationsDirs(const SXdgDirs& dirs)
{
    std::vector<std::string> out{dirs.dataHome + "/applications"};
    for (const std::string& d : dirs.dataDirs) out.push_back(d + "/applications");
    return out;
}

bool IsExecutableFile(const std::string& path)
{
    std::error_code ec;
    return fs::is_regular_file(path, ec) && ::access(path.c_str(), X_OK) == 0;
}

bool ProgramExists(const std::string& program)
{
    if (program.find('/') != std::string::npos) return IsExecutableFile(program);
    for (const std::string& dir : SplitPath(Env("PATH")))
        if (IsExecutableFile(dir + "/" + program)) return true;
    return false;
}

// id relative to one applications folder: "a-b-c.desktop" may be a/b-c.desktop,
// a-b/c.desktop, a/b/c.desktop.
std::optional<std::string> FindInFolder(const std::string& folder, const std::string& id)
{
    std::error_code ec;
    const std::string direct = folder + "/" + id;
    if (fs::is_regular_file(direct, ec)) return direct;
    for (std::size_t dash = id.find('-'); dash != std::string::npos; dash = id.find('-', dash + 1)) {
        const std::string sub = folder + "/" + id.substr(0, dash);
        if (!fs::is_directory(sub, ec)) continue;
        if (std::optional<std::string> found = FindInFolder(sub, id.substr(dash + 1))) return found;
    }
    return std::nullopt;
}

std::optional<std::string> InstalledEntry(const SXdgDirs& dirs, const std::string& id)
{
    // An id is a file name: no climbing out of the applications folders.
    if (id.empty() || id.find('/') != std::string::npos || !id.ends_with(".desktop")) return std::nullopt;
    const std::optional<std::string> path = FindDesktopFile(dirs, id);
    if (!path) return std::nullopt;
    SDesktopEntry entry;
    if (!ReadDesktopEntry(*path, entry) || entry.hidden) return std::nullopt;
    if (!entry.tryExec.empty() && !ProgramExists(entry.tryExec)) return std::nullopt;
    return path;
}

std::optional<std::string> FirstInstalled(const SXdgDirs& dirs, const std::vector<std::string>& ids,
                                          const std::set<std::string>& removed = {})
{
    for (const std::string& id : ids) {
        if (removed.contains(id)) continue;
        if (std::optional<std::string> path = InstalledEntry(dirs, id)) return path;
    }
    return std::nullopt;
}

}  // namespace

SXdgDirs XdgDirsFromEnvironment()
{
    const std::string home = Env("HOME");
    SXdgDirs dirs;
    dirs.configHome = AbsoluteOr(Env("XDG_CONFIG_HOME"), home + "/.config");
    dirs.dataHome = AbsoluteOr(Env("XDG_DATA_HOME"), home + "/.local/share");
    dirs.configDirs = SplitPath(Env("XDG_CONFIG_DIRS"));
    if (dirs.configDirs.empty()) dirs.configDirs = {"/etc/xdg"};
    dirs.dataDirs = SplitPath(Env("XDG_DATA_DIRS"));
    if (dirs.dataDirs.empty()) dirs.dataDirs = {"/usr/local/share", "/usr/share"};
    const std::string current = Env("XDG_CURRENT_DESKTOP");
    std::size_t start = 0;
    while (start < current.size()) {
        std::size_t end = current.find(':', start);
        if (end == std::string::npos) end = current.size();
        if (end > start) dirs.desktops.push_back(Lower(current.substr(start, end - start)));
        start = end + 1;
    }
    return dirs;
}

std::vector<std::string> MimeAppsFiles(const SXdgDirs& dirs)
{
    std::vector<std::string> folders{dirs.configHome};
    folders.insert(folders.end(), dirs.configDirs.begin(), dirs.configDirs.end());
    for (const std::string& apps : ApplicationsDirs(dirs)) folders.push_back(apps);
    std::vector<std::string> files;
    for (const std::string& folder : folders) {
        for (const std::string& desktop : dirs.desktops) files.push_back(folder + "/" + desktop + "-mimeapps.list");
        files.push_back(folder + "/mimeapps.list");
    }
    return files;
}

std::optional<std::string> FindDesktopFile(const SXdgDirs& dirs, const std::string& id)
{
    for (const std::string& folder : ApplicationsDirs(dirs))
        if (std::optional<std::string> path = FindInFolder(folder, id)) return path;
    return std::nullopt;
}

std::optional<std::string> FindDefaultHandler(const SXdgDirs& dirs, const std::string& mimeType)
{
    std::vector<CKeyFile> lists;
    for (const std::string& path : MimeAppsFiles(dirs)) lists.push_back(ReadKeyFile(path));

    for (const CKeyFile& list : lists)
        if (auto path = FirstInstalled(dirs, list.List("Default Applications", mimeType))) return path;

    // A removal holds for its own file and every less important one.
    std::set<std::string> removed;
    for (const CKeyFile& list : lists) {
        for (const std::string& id : list.List("Removed Associations", mimeType)) removed.insert(id);
        if (auto path = FirstInstalled(dirs, list.List("Added Associations", mimeType), removed)) return path;
    }

    for (const std::string& folder : ApplicationsDirs(dirs)) {
        const CKeyFile defaults = ReadKeyFile(folder + "/defaults.list");
        if (auto path = FirstInstalled(dirs, defaults.List("Default Applications", mimeType), removed)) return path;
    }
    for (const std::string& folder : ApplicationsDirs(dirs)) {
        const CKeyFile cache = ReadKeyFile(folder + "/mimeinfo.cache");
        if (auto path = FirstInstalled(dirs, cache.List("MIME Cache", mimeType), removed)) return path;
    }
    return std::nullopt;
}

std::optional<std::string> FindDefaultBrowser(const SXdgDirs& dirs)
{
    if (auto path = FindDefaultHandler(dirs, "x-scheme-handler/https")) return path;
    return FindDefaultHandler(dirs, "x-scheme-handler/http");
}
