// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FuzzEntryPoints.h"

#include "desktop/DesktopEntry.h"
#include "desktop/ExecLine.h"
#include "desktop/KeyFile.h"
#include "desktop/PrivateWindow.h"
#include "engines/QueryCharset.h"
#include "import/Firefox.h"
#include "import/FirefoxConfig.h"
#include "import/JarFile.h"
#include "import/OpenSearch.h"
#include "import/Templates.h"
#include "store/CatalogFile.h"
#include "store/IniFile.h"
#include "store/SearchHistory.h"
#include "store/Settings.h"
#include "store/Utf8Text.h"

#include <cstdio>
#include <cstdlib>
#include <map>
#include <set>
#include <string>
#include <string_view>

namespace {

void Require(bool condition, const char* what)
{
    if (condition) return;
    std::fprintf(stderr, "broken rule: %s\n", what);
    std::abort();
}

std::int32_t Int32At(const std::uint8_t* p)
{
    return static_cast<std::int32_t>(std::uint32_t{p[0]} | std::uint32_t{p[1]} << 8 | std::uint32_t{p[2]} << 16 |
                                     std::uint32_t{p[3]} << 24);
}

}  // namespace

void FuzzCatalog(const std::uint8_t* data, std::size_t size)
{
    CEngineList list;
    if (!ReadCatalog(data, size, list)) return;
    // Whatever was read is written in the canonical form, which reads back
    // to the same list and writes the same bytes again.
    const std::vector<std::uint8_t> image = WriteCatalog(list);
    CEngineList again;
    Require(ReadCatalog(image.data(), image.size(), again), "written catalogue reads back");
    Require(again == list, "catalogue round trip keeps the list");
    Require(WriteCatalog(again) == image, "catalogue image is stable");
}

void FuzzSettings(const std::uint8_t* data, std::size_t size)
{
    // Bytes behind the image, when there are any, choose the screen.
    int desktop = 1024;
    int bar = 301;
    if (size >= kSettingsSize + 8) {
        desktop = Int32At(data + kSettingsSize);
        bar = Int32At(data + kSettingsSize + 4);
    }
    SSettings s;
    s.padding = 0x77;
    const SSettings before = s;
    const bool ok = ParseSettings(data, size, s, desktop, bar);
    Require(ok == (size >= kSettingsSize), "only a full image is taken");
    if (!ok) {
        Require(s == before, "a refused image leaves the record alone");
        return;
    }
    Require(s.colorScheme >= 0 && s.colorScheme <= 8, "colour scheme in range");
    Require(s.rounding >= 0 && s.rounding <= 4, "rounding in range");
    Require(s.transparency >= 0 && s.transparency <= 9, "transparency in range");
    Require(s.buttonView >= 0 && s.buttonView <= 5, "button look in range");
    Require(s.engineIndex >= 0 && s.engineIndex <= 50, "engine index in range");
    const long long lastLeft = static_cast<long long>(desktop) - 50;
    Require((s.barLeft >= 0 && s.barLeft <= lastLeft) || s.barLeft == CenterOnDesktop(desktop, bar),
            "bar on the desktop or centred");

    // Every byte outside the repaired fields is carried unchanged.
    const SettingsImage image = EncodeSettings(s);
    for (std::size_t i = 0; i < kSettingsSize; ++i) {
        const bool repaired = (i >= 264 && i < 280) || (i >= 296 && i < 300) || i >= 304;
        if (!repaired) Require(image[i] == data[i], "untouched bytes carried");
    }
    SSettings again;
    Require(ParseSettings(image.data(), image.size(), again, desktop, bar), "repaired image reads");
    Require(again == s, "repair is stable");
}

void FuzzIni(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    CIniFile file;
    if (!file.Parse(text)) {
        Require(file.Entries().empty(), "a damaged file leaves no entries");
        return;
    }
    // What is written reads back to the same entries and writes the same
    // text again; setting a value never breaks that.
    file.Set("General", "hotkey", text.substr(0, 40));
    const std::string written = file.Text();
    CIniFile again;
    Require(again.Parse(written), "written file reads back");
    Require(again.Entries() == file.Entries(), "ini round trip keeps the entries");
    Require(again.Text() == written, "ini text is stable");
}

void FuzzHistory(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    CSearchHistory history;
    history.Parse(text);
    // Whatever the file held, the entries are what a search could have left.
    auto checkEntries = [](const CSearchHistory& h) {
        Require(h.Size() <= kMaxHistoryEntries, "history capped");
        std::set<std::string> seen;
        for (std::size_t i = 0; i < h.Size(); ++i) {
            const std::string& entry = h.At(i);
            Require(!entry.empty() && entry.size() <= kMaxHistoryEntryBytes, "entry length bounded");
            Require(IsValidUtf8(entry), "entry is UTF-8");
            Require(HistoryEntryText(entry) == entry, "entry is clean and trimmed");
            Require(seen.insert(entry).second, "no entry twice");
        }
    };
    checkEntries(history);
    const std::string written = history.Text();
    CSearchHistory again;
    Require(again.Parse(written) == 0, "written history reads back whole");
    Require(again.Text() == written, "history text is stable");

    // Completion and a new search on top of whatever was read.
    const std::string_view typed = text.substr(0, 6);
    const std::string key = FoldCase(typed.substr(std::min(typed.find_first_not_of(' '), typed.size())));
    const std::vector<std::string> matches = again.Complete(typed);
    Require(matches.size() <= kMaxCompletions, "completions bounded");
    for (const std::string& match : matches) Require(FoldCase(match).starts_with(key), "completion matches");
    if (again.Add(text.substr(0, 40))) Require(again.At(0) == HistoryEntryText(text.substr(0, 40)), "added on top");
    checkEntries(again);
}

namespace {

// What every importer result must hold, whatever the input.
void CheckImport(const SImportResult& r)
{
    Require(r.engines.size() <= kMaxImportEngines, "engine count bounded");
    Require(r.unreadable.find('\n') == std::string::npos, "reason is one line");
    if (!r.Readable()) Require(r.engines.empty(), "an unreadable source gives no engines");
    for (const SImportedEngine& e : r.engines) {
        std::string reason;
        Require(AcceptTemplate(e.url, reason), "imported template is a web address with the keyword");
        Require(!e.name.empty() && CleanText(e.name, e.name.size()) == e.name, "name is clean");
        Require(CleanKeyword(e.keyword) == e.keyword, "keyword is one clean word");
        std::string charset;
        Require(CanonicalCharset(e.charset, charset) && charset == e.charset, "charset in its one spelling");
    }
}

}  // namespace

void FuzzMozLz4(const std::uint8_t* data, std::size_t size)
{
    const std::vector<std::uint8_t> bytes(data, data + size);
    std::vector<std::uint8_t> json;
    std::string error;
    if (DecompressMozLz4(bytes, json, error))
        Require(json.size() <= kMaxImportBytes, "decompressed size bounded");
    else
        Require(json.empty() && !error.empty(), "a refused file says why and gives nothing");
    CheckImport(ReadFirefoxSearchFile(bytes));
    CheckImport(ReadFirefoxSearchJson(bytes));
    // The same text as the installation's engine list and policy too.
    SFirefoxInstallation install;
    install.config = bytes;
    install.policy = ParseFirefoxPolicies(bytes);
    CheckImport(ReadFirefoxSearchJson(bytes, install));
    if (!json.empty()) CheckImport(ReadFirefoxSearchJson(json, install));
}

void FuzzJar(const std::uint8_t* data, std::size_t size)
{
    const std::vector<std::uint8_t> bytes(data, data + size);
    std::vector<std::uint8_t> config;
    std::string error;
    if (!ReadJarEntry(bytes, "defaults/settings/main/search-config-v2.json", config, error)) {
        Require(config.empty() && !error.empty(), "a refused archive says why and gives nothing");
        return;
    }
    Require(config.size() <= kMaxImportBytes, "unpacked size bounded");
    std::map<std::string, SFirefoxEngineDef> engines;
    ParseFirefoxSearchConfig(config, "en-US", "US", engines);
    Require(engines.size() <= kMaxImportEngines, "engine count bounded");
}

void FuzzOpenSearch(const std::uint8_t* data, std::size_t size)
{
    const SImportResult r = ReadOpenSearch(std::vector<std::uint8_t>(data, data + size));
    CheckImport(r);
    Require(r.engines.size() <= 1, "one description, at most one engine");
}

namespace {

// Nothing a file holds can pass for it by chance.
const std::string kFuzzAddress = "https://fuzz.example/\x01\"q\" $(x); `y`\x02";

// The address is in exactly one argument, never the program's.
void CheckLaunch(const std::vector<std::string>& argv)
{
    Require(!argv.empty() && !argv.front().empty(), "a command has a program");
    Require(argv.front().find(kFuzzAddress) == std::string::npos, "the address is never the program");
    int holding = 0;
    for (const std::string& arg : argv)
        if (arg.find(kFuzzAddress) != std::string::npos) ++holding;
    Require(holding == 1, "the address is in one argument");
}

}  // namespace

void FuzzDesktopEntry(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    // As a mimeapps.list: every list splits without trouble.
    const CKeyFile file(text);
    for (const char* group : {"Default Applications", "Added Associations", "MIME Cache"})
        for (const std::string& key : file.Keys(group)) (void)file.List(group, key);

    SDesktopEntry entry;
    if (!ParseDesktopEntry(text, "/fuzz/entry.desktop", entry)) return;
    const SExecFields fields{kFuzzAddress, entry.icon, entry.name, entry.location};
    if (const auto argv = ExpandExec(entry.exec, fields)) CheckLaunch(*argv);
    for (const auto& [id, exec] : entry.actionExec)
        if (const auto argv = ExpandExec(exec, fields)) CheckLaunch(*argv);
    const SPrivateLaunch launch = PrivateWindowCommand(entry, kFuzzAddress);
    Require((launch.outcome == EPrivateWindow::Ready) == !launch.argv.empty(), "only a ready launch has a command");
    if (launch.outcome == EPrivateWindow::Ready) CheckLaunch(launch.argv);
}
