#include "schema.h"

#include "record_sets.h"

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
