// Recordsets on the front end's SQLite database. A record class lists its columns in
// `DoFieldExchange`; its members hold the current row. Open reads the rows that the filter
// selects, in the sort order, and keeps them (a change made elsewhere is seen after Requery).
// Values always travel as bound parameters, never inside SQL text.
//
// Database failures are thrown as SQLite::Exception; using a recordset wrongly (Edit without a
// row, Update of a query) throws std::logic_error.
#pragma once

#include <SQLiteCpp/Database.h>

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "record_fields.h"

// A value of a bound parameter or of a column read.
using SqlValue = std::variant<std::monostate, std::int64_t, double, std::string>;

// A new connection to the database file `path` opened with the SQLite::OPEN_* `flags`, which
// waits a few seconds for another writer's brief lock before it reports the file busy.
SQLite::Database ConnectDatabaseFile(const std::string& path, int flags);
// A new connection to the database file g_strDatabasePath; it must exist (never created here).
SQLite::Database ConnectDatabase();

class CRecordset {
  public:
    CRecordset() = default;
    virtual ~CRecordset() = default;
    CRecordset(const CRecordset&) = delete;
    CRecordset& operator=(const CRecordset&) = delete;

    // SQL condition chosen by the program, such as "[RunId] = ?"; each "?" takes the next value
    // of m_filterValues. A trailing ";" is dropped. Empty: every row.
    std::string m_strFilter;
    std::vector<SqlValue> m_filterValues;
    // SQL order, such as "[SortId]"; empty: the order of insertion.
    std::string m_strSort;

    // Opens on a connection of its own, or on `connection` (which must outlive the recordset's
    // use), so that several recordsets can work inside one transaction. The members then hold
    // the first row when there is one.
    void Open(SQLite::Database* connection = nullptr);
    void Close();
    bool IsOpen() const { return connection_ != nullptr; }
    // Reads the rows again with the current filter and sort.
    void Requery();
    // True when no row is current: no rows selected, or moved past the last one.
    bool IsEOF() const { return current_ >= rows_.size(); }
    void MoveNext();

    // Starts a new row (members reset to 0 and empty) or a change of the current row; Update
    // writes it. After adding a row, its Id is in the key member and in GetLastAddedId.
    void AddNew();
    void Edit();
    void Update();
    // Deletes the current row; it stays current until the next move.
    void Delete();
    std::int64_t GetLastAddedId() const { return lastAddedId_; }

    // "[Table]" for a table, or a whole SELECT for a query (read only).
    virtual std::string GetDefaultSQL() const = 0;
    // The columns with the members that hold them, in binding order.
    std::vector<BoundColumn> Columns();

  protected:
    virtual void DoFieldExchange(RecordFields& fields) = 0;

  private:
    enum class Change { None, Adding, Editing };
    struct Row {
        std::int64_t rowId = 0;  // 0 once deleted
        std::vector<SqlValue> values;
    };

    bool IsQuery() const;
    SQLite::Database& Connection();
    void ReadRows();
    void LoadCurrentRow();
    void ResetMembers();
    void Insert();
    void UpdateCurrentRow();
    const Row& CurrentRow() const;

    std::unique_ptr<SQLite::Database> ownConnection_;
    SQLite::Database* connection_ = nullptr;
    std::vector<BoundColumn> columns_;
    std::vector<Row> rows_;
    std::size_t current_ = 0;
    Change change_ = Change::None;
    std::int64_t lastAddedId_ = 0;
};

// Opens `set` (on `connection` as Open does) on the rows whose `idColumn` holds `id`, which may
// be none: new rows of that Id are added to it.
void OpenById(CRecordset& set, std::string_view idColumn, std::int64_t id,
              SQLite::Database* connection = nullptr);
// OpenById; true when there is such a row.
[[nodiscard]] bool SelectById(CRecordset& set, std::string_view idColumn, std::int64_t id,
                              SQLite::Database* connection = nullptr);
// Deletes the rows of `table` whose `idColumn` holds `id`.
void DeleteById(SQLite::Database& database, std::string_view table, std::string_view idColumn,
                std::int64_t id);
