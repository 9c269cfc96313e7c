// The database's tables, made from the record classes' column lists, so that the tables and
// the classes that read them cannot disagree.
#pragma once

#include <SQLiteCpp/Database.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "problem.h"
#include "recordset.h"

// One recordset of each table, in the order the tables are created.
std::vector<std::unique_ptr<CRecordset>> TableRecordsets();

// "CREATE TABLE" of a recordset's table. Keys are "INTEGER PRIMARY KEY AUTOINCREMENT" (an Id is
// never given twice); the table is STRICT, so each column holds its type, and Byte, Bool and
// Text columns are checked against their ranges.
std::string CreateTableStatement(CRecordset& recordset);

// Creates every table, and the indexes on the run of the per-run tables, in an empty database.
void CreateTables(SQLite::Database& database);

// What keeps the database file `path` from serving the record classes: a table or a column that
// one of them reads is missing, or the file is no database. Nothing when every one is there. The
// file is only read: a damaged database is never changed, and an empty file never becomes an
// empty database. Another writer's brief lock is waited for.
[[nodiscard]] std::optional<Problem> SchemaProblem(const std::string& path);
