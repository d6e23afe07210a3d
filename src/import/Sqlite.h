// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "import/ImportTypes.h"

#include <functional>
#include <memory>
#include <string>

struct sqlite3;
struct sqlite3_stmt;

// A browser database opened for reading without ever touching the original:
// the file and its write-ahead log (when there is one) are copied into a
// private folder first, which the object removes again. A browser that is
// running may hold the original locked; the copy still reads, with what the
// log holds. Queries run with bounded lengths and a bounded amount of work,
// so a hostile file cannot keep the bar busy.
class CDatabaseCopy {
public:
    CDatabaseCopy() = default;
    ~CDatabaseCopy();
    CDatabaseCopy(const CDatabaseCopy&) = delete;
    CDatabaseCopy& operator=(const CDatabaseCopy&) = delete;

    // False with `error` set ("missing", "too large", "not a database") when
    // the file cannot be read.
    bool Open(const std::string& path, std::string& error);
    sqlite3* Db() const { return m_db; }

private:
    void Close();

    sqlite3* m_db = nullptr;
    std::string m_folder;
};

bool HasTable(sqlite3* db, const std::string& table);
bool HasColumn(sqlite3* db, const std::string& table, const std::string& column);

// One row of a query: text columns, "" for NULL.
class SRow {
public:
    explicit SRow(sqlite3_stmt* statement)
        : m_statement(statement)
    {}
    std::string Text(int column) const;
    long long Int(int column) const;

private:
    sqlite3_stmt* m_statement;
};

// Runs `sql` and calls `onRow` for each row. More than kMaxImportEngines
// rows, a damaged file or too much work stop it: it returns false and sets
// `result.unreadable`.
bool ForEachRow(sqlite3* db, const std::string& sql, SImportResult& result,
                const std::function<void(const SRow&)>& onRow);
