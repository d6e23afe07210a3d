// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "import/KdeProviders.h"

#include "desktop/KeyFile.h"
#include "import/Templates.h"
#include "store/ReadFile.h"

#include <algorithm>
#include <filesystem>
#include <set>
#include <string_view>

namespace fs = std::filesystem;

namespace {

constexpr std::size_t kMaxProviderBytes = 1024 * 1024;

std::string_view Trim(std::string_view s)
{
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) s.remove_suffix(1);
    return s;
}

}  // namespace

SKdeProvider ParseKdeProvider(const std::vector<std::uint8_t>& bytes)
{
    SKdeProvider p;
    const std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    bool inEntry = false;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        const std::string_view line = Trim(text.substr(start, end - start));
        start = end + 1;
        if (line.empty() || line.front() == '#') continue;
        if (line.front() == '[') {
            inEntry = line == "[Desktop Entry]";
            continue;
        }
        if (!inEntry) continue;
        const std::size_t eq = line.find('=');
        if (eq == std::string_view::npos) continue;
        const std::string_view key = Trim(line.substr(0, eq));
        const std::string value = UnescapeValue(Trim(line.substr(eq + 1)));
        if (key == "Name") {
            p.name = value;
        } else if (key == "Query") {
            p.query = value;
        } else if (key == "Charset") {
            p.charset = value;
        } else if (key == "Hidden") {
            p.hidden = value == "true";
        } else if (key == "Keys") {
            p.keys.clear();
            std::size_t from = 0;
            while (from <= value.size()) {
                std::size_t comma = value.find(',', from);
                if (comma == std::string::npos) comma = value.size();
                const std::string_view k = Trim(std::string_view(value).substr(from, comma - from));
                if (!k.empty()) p.keys.emplace_back(k);
                from = comma + 1;
            }
        }
    }
    return p;
}

SImportResult ReadKdeProviders(const std::vector<SKdeFolder>& folders)
{
    SImportResult result;
    std::set<std::string> seen;
    for (const SKdeFolder& folder : folders) {
        std::error_code ec;
        std::vector<fs::path> files;
        for (fs::directory_iterator it(folder.path, ec), end; !ec && it != end; it.increment(ec)) {
            if (it->path().extension() == ".desktop") files.push_back(it->path());
            if (files.size() > kMaxImportEngines) {
                result.unreadable = folder.path + ": more than " + std::to_string(kMaxImportEngines) + " files";
                return result;
            }
        }
        // A folder that is not there has nothing to offer.
        std::sort(files.begin(), files.end());
        for (const fs::path& file : files) {
            if (!seen.insert(file.filename().string()).second) continue;
            std::vector<std::uint8_t> bytes;
            if (ReadFile(file.string(), bytes, kMaxProviderBytes + 1) != EReadFile::Read) {
                ++result.skipped[LUMORA_TRANSLATE_NOOP("ImportReason", "unreadable file")];
                continue;
            }
            if (bytes.size() > kMaxProviderBytes) {
                ++result.skipped[LUMORA_TRANSLATE_NOOP("ImportReason", "unreadable file")];
                continue;
            }
            const SKdeProvider p = ParseKdeProvider(bytes);
            if (p.hidden) {
                ++result.skipped[kSkipHidden];
                continue;
            }
            if (p.query.empty()) {
                ++result.skipped[kSkipNoAddress];
                continue;
            }
            std::string reason;
            const std::string url = MapKdeTemplate(p.query, reason);
            AddEngine(result, p.name, url, reason, p.keys.empty() ? std::string() : p.keys.front(), folder.user,
                      p.charset);
        }
    }
    return result;
}
