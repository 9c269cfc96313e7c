#include "schema.h"

#include <SQLiteCpp/Statement.h>

#include <set>

#include "frontend_strings.h"
#include "record_sets.h"
#include "string_table.h"

namespace {

std::string ColumnDefinition(const BoundColumn& column) {
    std::string name = "[";
    name.append(column.name).append("]");
    switch (column.type) {
        case ColumnType::Key:
            return name + " INTEGER PRIMARY KEY AUTOINCREMENT";
        case ColumnType::Long:
        case ColumnType::Date:
            return name + " INTEGER NOT NULL DEFAULT 0";
        case ColumnType::Byte:
            return name + " INTEGER NOT NULL DEFAULT 0 CHECK (" + name + " BETWEEN 0 AND 255)";
        case ColumnType::Bool:
            return name + " INTEGER NOT NULL DEFAULT 0 CHECK (" + name + " IN (0, 1))";
        case ColumnType::Double:
            return name + " REAL NOT NULL DEFAULT 0";
        case ColumnType::Text:
            return name + " TEXT NOT NULL DEFAULT '' CHECK (length(" + name +
                   ") <= " + std::to_string(kMaximumTextLength) + ")";
    }
    return name;
}

}  // namespace

std::vector<std::unique_ptr<CRecordset>> TableRecordsets() {
    std::vector<std::unique_ptr<CRecordset>> tables;
    tables.push_back(std::make_unique<CClientsSet>());
    tables.push_back(std::make_unique<CInstallersSet>());
    tables.push_back(std::make_unique<CPoolUseSet>());
    tables.push_back(std::make_unique<CCollectorsSet>());
    tables.push_back(std::make_unique<CHeatersSet>());
    tables.push_back(std::make_unique<CBlanketsSet>());
    tables.push_back(std::make_unique<CRunsSet>());
    tables.push_back(std::make_unique<CResultsSet>());
    tables.push_back(std::make_unique<CDailySet>());
    tables.push_back(std::make_unique<CEconomicsSet>());
    return tables;
}

std::string CreateTableStatement(CRecordset& recordset) {
    std::string sql = "CREATE TABLE " + recordset.GetDefaultSQL() + " (";
    const std::vector<BoundColumn> columns = recordset.Columns();
    for (std::size_t i = 0; i < columns.size(); ++i)
        sql += (i ? ", " : "") + ColumnDefinition(columns[i]);
    return sql + ") STRICT";
}

void CreateTables(SQLite::Database& database) {
    for (const auto& table : TableRecordsets()) database.exec(CreateTableStatement(*table));
    for (const char* table : {"Results", "Daily", "Economics"})
        database.exec("CREATE INDEX [" + std::string(table) + "ByRun] ON [" + table +
                      "] ([RunId])");
}

namespace {

// The columns a table has; none when there is no such table.
std::set<std::string> ColumnsOf(SQLite::Database& database, const std::string& table) {
    SQLite::Statement info(database, "SELECT name FROM pragma_table_info(?)");
    info.bind(1, table);
    std::set<std::string> columns;
    while (info.executeStep()) columns.insert(info.getColumn(0).getString());
    return columns;
}

// The table's name without the brackets of its source "[Runs]".
std::string TableName(const CRecordset& recordset) {
    const std::string source = recordset.GetDefaultSQL();
    return source.substr(1, source.size() - 2);
}

}  // namespace

std::optional<Problem> SchemaProblem(const std::string& path) {
    try {
        SQLite::Database database = ConnectDatabaseFile(path, SQLite::OPEN_READONLY);
        for (const auto& recordset : TableRecordsets()) {
            const std::string table = TableName(*recordset);
            const std::set<std::string> columns = ColumnsOf(database, table);
            if (columns.empty()) return Problem{FormatResString(kStrTableMissing, table)};
            for (const BoundColumn& column : recordset->Columns())
                if (!columns.contains(std::string(column.name)))
                    return Problem{
                        FormatResString(kStrColumnMissing, std::string(column.name), table)};
        }
    } catch (const std::exception& error) {
        return Problem{error.what()};
    }
    return std::nullopt;
}
