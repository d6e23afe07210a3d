// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstddef>
#include <map>
#include <string>
#include <utility>
#include <vector>

// Marks a fixed reason that the import dialog shows in the user's language
// (Qt's translation, context "ImportReason"). The text stays English here;
// lupdate knows the marker.
#define LUMORA_TRANSLATE_NOOP(context, text) text

// Limits on what an import reads from outside: a file (or a decompressed
// image) and the number of engines one source may hold.
inline constexpr std::size_t kMaxImportBytes = 64u * 1024 * 1024;
inline constexpr std::size_t kMaxImportEngines = 100000;
// Browser databases are copied before they are opened; this bounds the copy.
inline constexpr std::size_t kMaxDatabaseBytes = 256u * 1024 * 1024;

// Where an engine not made by the user came from, when the dialog should
// say so.
enum class EEngineOrigin {
    Listed,  // nothing to add: the user's own, or shipped with the program
    Policy,  // set by an administrator's policy
    Site     // added by a web site while the user browsed it
};

// One engine found in a browser's or desktop's files, its template already
// in the bar's own form ("[keyword]" where the query goes).
struct SImportedEngine {
    SImportedEngine() = default;
    SImportedEngine(std::string name_, std::string url_, std::string keyword_, bool userMade_,
                    EEngineOrigin origin_ = EEngineOrigin::Listed, std::string charset_ = {})
        : name(std::move(name_)),
          url(std::move(url_)),
          keyword(std::move(keyword_)),
          userMade(userMade_),
          origin(origin_),
          charset(std::move(charset_))
    {}

    std::string name;
    std::string url;
    std::string keyword;    // the source's own shortcut, empty where it has none
    bool userMade = false;  // made by the user rather than shipped with the browser or system
    EEngineOrigin origin = EEngineOrigin::Listed;
    std::string charset;  // what the site expects its query in; empty for UTF-8

    bool operator==(const SImportedEngine&) const = default;
};

// What one file or database gave: the engines, how many were left out and
// why, or a one-line reason why nothing could be read at all.
struct SImportResult {
    std::vector<SImportedEngine> engines;
    std::map<std::string, int> skipped;  // reason -> count
    std::string unreadable;              // empty when the source was read

    bool Readable() const { return unreadable.empty(); }
    int SkippedCount() const;
    // Appends another result's engines and skip counts; an unreadable part
    // makes the whole unreadable.
    void Merge(SImportResult other);
};

// Skip reasons, as the import dialog shows them ("3 engines skipped: ...").
inline constexpr const char* kSkipUnsupportedAddress = LUMORA_TRANSLATE_NOOP("ImportReason", "unsupported address");
inline constexpr const char* kSkipNoQuery = LUMORA_TRANSLATE_NOOP("ImportReason", "no place for the query");
inline constexpr const char* kSkipPost = LUMORA_TRANSLATE_NOOP("ImportReason", "sends the query by POST");
inline constexpr const char* kSkipNoAddress = LUMORA_TRANSLATE_NOOP("ImportReason", "no address");
inline constexpr const char* kSkipHidden = LUMORA_TRANSLATE_NOOP("ImportReason", "hidden");
inline constexpr const char* kSkipCharset = LUMORA_TRANSLATE_NOOP("ImportReason", "unknown charset");
inline constexpr const char* kSkipBuiltInNoConfig =
    LUMORA_TRANSLATE_NOOP("ImportReason", "built in, Firefox's own list not found");
inline constexpr const char* kSkipBuiltInUnknown =
    LUMORA_TRANSLATE_NOOP("ImportReason", "built in, not in Firefox's own list");
inline constexpr const char* kSkipPolicyUnknown =
    LUMORA_TRANSLATE_NOOP("ImportReason", "set by policy, not in the policy file");

// "3 engines skipped: unsupported address; 1 engine skipped: hidden", or "".
std::string DescribeSkipped(const SImportResult& result);
