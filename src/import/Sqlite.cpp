// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "import/Sqlite.h"

#include "import/Templates.h"

#include <sqlite3.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

namespace {

constexpr int kMaxValueBytes = 1024 * 1024;
// Work limit for one query, in steps of the progress handler (1000 virtual
// machine instructions each): far more than 100,000 rows of a real table need.
constexpr int kProgressStep = 1000;
constexpr int kMaxProgressSteps = 200000;

int CountWork(void* counter)
{
    return ++*static_cast<int*>(counter) > kMaxProgressSteps ? 1 : 0;
}

// "file:" URI for a path: only the characters with a meaning in a URI are
// escaped.
std::string FileUri(const std::string& path)
{
    std::string uri = "file:";
    for (const char c : path) {
        if (c == '%' || c == '?' || c == '#') {
            char buf[4];
            std::snprintf(buf, sizeof buf, "%%%02X", static_cast<unsigned char>(c));
            uri += buf;
        } else {
            uri += c;
        }
    }
    return uri;
}

void Harden(sqlite3* db)
{
    sqlite3_limit(db, SQLITE_LIMIT_LENGTH, kMaxValueBytes);
    sqlite3_limit(db, SQLITE_LIMIT_SQL_LENGTH, 100000);
    sqlite3_db_config(db, SQLITE_DBCONFIG_DEFENSIVE, 1, nullptr);
    sqlite3_db_config(db, SQLITE_DBCONFIG_TRUSTED_SCHEMA, 0, nullptr);
    sqlite3_db_config(db, SQLITE_DBCONFIG_ENABLE_TRIGGER, 0, nullptr);
    sqlite3_db_config(db, SQLITE_DBCONFIG_ENABLE_VIEW, 0, nullptr);
}

// Copies at most `limit` bytes; false when the file is larger or a read or
// write fails.
bool CopyBounded(const fs::path& from, const fs::path& to, std::uintmax_t limit, std::string& error)
{
    std::error_code ec;
    const std::uintmax_t size = fs::file_size(from, ec);
    if (ec) {
        error = LUMORA_TRANSLATE_NOOP("ImportReason", "cannot be read");
        return false;
    }
    if (size > limit) {
        error = LUMORA_TRANSLATE_NOOP("ImportReason", "too large");
        return false;
    }
    std::ifstream in(from, std::ios::binary);
    std::ofstream out(to, std::ios::binary);
    if (!in || !out) {
        error = LUMORA_TRANSLATE_NOOP("ImportReason", "cannot be read");
        return false;
    }
    std::vector<char> buf(1 << 16);
    std::uintmax_t copied = 0;
    while (in) {
        in.read(buf.data(), static_cast<std::streamsize>(buf.size()));
        const std::streamsize n = in.gcount();
        copied += static_cast<std::uintmax_t>(n);
        if (copied > limit) {
            error = LUMORA_TRANSLATE_NOOP("ImportReason", "too large");
            return false;
        }
        out.write(buf.data(), n);
    }
    if (in.bad() || !out.flush()) {
        error = LUMORA_TRANSLATE_NOOP("ImportReason", "cannot be read");
        return false;
    }
    return true;
}

}  // namespace

CDatabaseCopy::~CDatabaseCopy()
{
    Close();
}

void CDatabaseCopy::Close()
{
    if (m_db) sqlite3_close_v2(m_db);
    m_db = nullptr;
    if (!m_folder.empty()) {
        std::error_code ec;
        fs::remove_all(m_folder, ec);
        m_folder.clear();
    }
}

bool CDatabaseCopy::Open(const std::string& path, std::string& error)
{
    Close();
    std::error_code ec;
    if (!fs::is_regular_file(path, ec)) {
        error = fs::exists(path, ec) ? LUMORA_TRANSLATE_NOOP("ImportReason", "not a file")
                                     : LUMORA_TRANSLATE_NOOP("ImportReason", "missing");
        return false;
    }
    std::string pattern = (fs::temp_directory_path(ec) / "lumora-import-XXXXXX").string();
    if (ec || !mkdtemp(pattern.data())) {
        error = LUMORA_TRANSLATE_NOOP("ImportReason", "no room for a private copy");
        return false;
    }
    m_folder = pattern;
    const fs::path copy = fs::path(m_folder) / "db";
    if (!CopyBounded(path, copy, kMaxDatabaseBytes, error)) {
        Close();
        return false;
    }
    const std::string wal = path + "-wal";
    if (fs::is_regular_file(wal, ec) && !CopyBounded(wal, copy.string() + "-wal", kMaxDatabaseBytes, error)) {
        Close();
        return false;
    }
    // The copy's folder is private and writable, so SQLite can build the
    // log's index there although the connection only reads.
    if (sqlite3_open_v2(FileUri(copy.string()).c_str(), &m_db, SQLITE_OPEN_READONLY | SQLITE_OPEN_URI, nullptr) !=
        SQLITE_OK) {
        error = LUMORA_TRANSLATE_NOOP("ImportReason", "cannot be opened");
        Close();
        return false;
    }
    Harden(m_db);
    // Touching the schema tells a database from anything else.
    if (sqlite3_exec(m_db, "SELECT count(*) FROM sqlite_master", nullptr, nullptr, nullptr) != SQLITE_OK) {
        error = CleanText(sqlite3_errmsg(m_db), 200);
        Close();
        return false;
    }
    return true;
}

bool HasTable(sqlite3* db, const std::string& table)
{
    sqlite3_stmt* st = nullptr;
    if (sqlite3_prepare_v2(db, "SELECT 1 FROM sqlite_master WHERE type = 'table' AND name = ?1", -1, &st, nullptr) !=
        SQLITE_OK)
        return false;
    sqlite3_bind_text(st, 1, table.c_str(), -1, SQLITE_TRANSIENT);
    const bool found = sqlite3_step(st) == SQLITE_ROW;
    sqlite3_finalize(st);
    return found;
}

bool HasColumn(sqlite3* db, const std::string& table, const std::string& column)
{
    sqlite3_stmt* st = nullptr;
    if (sqlite3_prepare_v2(db, "SELECT 1 FROM pragma_table_info(?1) WHERE name = ?2", -1, &st, nullptr) != SQLITE_OK)
        return false;
    sqlite3_bind_text(st, 1, table.c_str(), -1, SQLITE_TRANSIENT);
    sqlite3_bind_text(st, 2, column.c_str(), -1, SQLITE_TRANSIENT);
    const bool found = sqlite3_step(st) == SQLITE_ROW;
    sqlite3_finalize(st);
    return found;
}

std::string SRow::Text(int column) const
{
    const unsigned char* text = sqlite3_column_text(m_statement, column);
    if (!text) return {};
    return std::string(reinterpret_cast<const char*>(text),
                       static_cast<std::size_t>(sqlite3_column_bytes(m_statement, column)));
}

long long SRow::Int(int column) const
{
    return sqlite3_column_int64(m_statement, column);
}

bool ForEachRow(sqlite3* db, const std::string& sql, SImportResult& result,
                const std::function<void(const SRow&)>& onRow)
{
    int work = 0;
    sqlite3_progress_handler(db, kProgressStep, &CountWork, &work);
    sqlite3_stmt* st = nullptr;
    bool ok = sqlite3_prepare_v2(db, sql.c_str(), -1, &st, nullptr) == SQLITE_OK;
    std::size_t rows = 0;
    int rc = SQLITE_DONE;
    while (ok && (rc = sqlite3_step(st)) == SQLITE_ROW) {
        if (++rows > kMaxImportEngines) {
            result.unreadable = "more than " + std::to_string(kMaxImportEngines) + " engines";
            ok = false;
            break;
        }
        onRow(SRow(st));
    }
    if (ok && rc != SQLITE_DONE) {
        result.unreadable = rc == SQLITE_INTERRUPT ? LUMORA_TRANSLATE_NOOP("ImportReason", "too much work to read")
                                                   : CleanText(sqlite3_errmsg(db), 200);
        ok = false;
    } else if (!ok && result.unreadable.empty()) {
        result.unreadable = CleanText(sqlite3_errmsg(db), 200);
    }
    sqlite3_finalize(st);
    sqlite3_progress_handler(db, 0, nullptr, nullptr);
    return ok;
}
