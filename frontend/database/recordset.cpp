#include "recordset.h"

#include <SQLiteCpp/Statement.h>

#include <stdexcept>

#include "frontend_globals.h"
#include "object_type.h"
#include "text_encoding.h"

namespace {

constexpr int kBusyTimeoutMs = 2000;

template <class... Handlers>
struct Overloaded : Handlers... {
    using Handlers::operator()...;
};
// Clang before 17 does not deduce an aggregate's arguments from its initialisers.
template <class... Handlers>
Overloaded(Handlers...) -> Overloaded<Handlers...>;

// The condition without the ";" and blanks that may end it.
std::string WithoutTrailingSemicolons(std::string filter) {
    while (!filter.empty() && (filter.back() == ';' || filter.back() == ' ')) filter.pop_back();
    return filter;
}

SqlValue ColumnValue(const SQLite::Column& column) {
    if (column.isInteger()) return column.getInt64();
    if (column.isFloat()) return column.getDouble();
    if (column.isNull()) return std::monostate();
    return column.getString();
}

std::int64_t AsInteger(const SqlValue& value) {
    if (const auto* integer = std::get_if<std::int64_t>(&value)) return *integer;
    if (const auto* real = std::get_if<double>(&value)) return static_cast<std::int64_t>(*real);
    return 0;
}

double AsDouble(const SqlValue& value) {
    if (const auto* real = std::get_if<double>(&value)) return *real;
    if (const auto* integer = std::get_if<std::int64_t>(&value))
        return static_cast<double>(*integer);
    return 0;
}

std::string AsText(const SqlValue& value) {
    if (const auto* text = std::get_if<std::string>(&value)) return *text;
    return "";
}

void ReadInto(const BoundColumn& column, const SqlValue& value) {
    std::visit(Overloaded{
                   [&](std::int32_t* m) { *m = static_cast<std::int32_t>(AsInteger(value)); },
                   [&](std::uint8_t* m) { *m = static_cast<std::uint8_t>(AsInteger(value)); },
                   [&](bool* m) { *m = AsInteger(value) != 0; },
                   [&](double* m) { *m = AsDouble(value); },
                   [&](std::string* m) { *m = AsText(value); },
                   [&](std::int64_t* m) { *m = AsInteger(value); },
               },
               column.member);
}

// A text as the database keeps it: UTF-8 (text in another encoding read as Windows-1252), so
// that the windows and the report can show it, and ended where a NUL would end it, as every
// reader of a text column would.
std::string StoredText(const std::string& text) {
    return TextAsUtf8(std::string_view(text).substr(0, text.find('\0')));
}

void Bind(SQLite::Statement& statement, int index, const BoundColumn& column) {
    std::visit(Overloaded{
                   [&](const double* m) { statement.bind(index, *m); },
                   [&](const std::string* m) { statement.bind(index, StoredText(*m)); },
                   [&](const auto* m) { statement.bind(index, static_cast<std::int64_t>(*m)); },
               },
               column.member);
}

void Bind(SQLite::Statement& statement, int index, const SqlValue& value) {
    std::visit(Overloaded{
                   [&](std::monostate) { statement.bind(index); },
                   [&](const auto& v) { statement.bind(index, v); },
               },
               value);
}

}  // namespace

SQLite::Database ConnectDatabaseFile(const std::string& path, int flags) {
    return SQLite::Database(path, flags, kBusyTimeoutMs);
}

SQLite::Database ConnectDatabase() {
    return ConnectDatabaseFile(g_strDatabasePath, SQLite::OPEN_READWRITE);
}

void OpenById(CRecordset& set, std::string_view idColumn, std::int64_t id,
              SQLite::Database* connection) {
    set.m_strFilter = Bracketed(idColumn) + " = ?";
    set.m_filterValues = {id};
    set.Open(connection);
}

bool SelectById(CRecordset& set, std::string_view idColumn, std::int64_t id,
                SQLite::Database* connection) {
    OpenById(set, idColumn, id, connection);
    return !set.IsEOF();
}

void DeleteById(SQLite::Database& database, std::string_view table, std::string_view idColumn,
                std::int64_t id) {
    SQLite::Statement remove(
        database, "DELETE FROM " + Bracketed(table) + " WHERE " + Bracketed(idColumn) + " = ?");
    remove.bind(1, id);
    remove.exec();
}

std::vector<BoundColumn> CRecordset::Columns() {
    RecordFields fields;
    DoFieldExchange(fields);
    return fields.Columns();
}

bool CRecordset::IsQuery() const {
    return GetDefaultSQL().starts_with("SELECT");
}

SQLite::Database& CRecordset::Connection() {
    if (!connection_) throw std::logic_error("recordset not open");
    return *connection_;
}

void CRecordset::Open(SQLite::Database* connection) {
    Close();
    if (connection) {
        connection_ = connection;
    } else {
        ownConnection_ = std::make_unique<SQLite::Database>(ConnectDatabase());
        connection_ = ownConnection_.get();
    }
    columns_ = Columns();
    try {
        ReadRows();
    } catch (...) {
        Close();
        throw;
    }
}

void CRecordset::Close() {
    rows_.clear();
    current_ = 0;
    change_ = Change::None;
    connection_ = nullptr;
    ownConnection_.reset();
}

void CRecordset::Requery() {
    ReadRows();
}

void CRecordset::ReadRows() {
    std::string sql;
    if (IsQuery()) {
        if (!m_strFilter.empty() || !m_strSort.empty())
            throw std::logic_error("a query takes no filter or sort");
        sql = GetDefaultSQL();
    } else {
        sql = "SELECT rowid";
        for (const BoundColumn& column : columns_) sql += ", " + Bracketed(column.name);
        sql += " FROM " + GetDefaultSQL();
        if (const std::string filter = WithoutTrailingSemicolons(m_strFilter); !filter.empty())
            sql += " WHERE " + filter;
        if (!m_strSort.empty()) sql += " ORDER BY " + m_strSort;
    }
    SQLite::Statement select(Connection(), sql);
    for (std::size_t i = 0; i < m_filterValues.size(); ++i)
        Bind(select, static_cast<int>(i + 1), m_filterValues[i]);
    const int first = IsQuery() ? 0 : 1;  // a table's rows start with their rowid
    rows_.clear();
    while (select.executeStep()) {
        Row row;
        row.rowId = first == 1 ? select.getColumn(0).getInt64() : 0;
        for (std::size_t i = 0; i < columns_.size(); ++i)
            row.values.push_back(ColumnValue(select.getColumn(static_cast<int>(i) + first)));
        rows_.push_back(std::move(row));
    }
    current_ = 0;
    change_ = Change::None;
    LoadCurrentRow();
}

void CRecordset::LoadCurrentRow() {
    if (IsEOF()) return;
    for (std::size_t i = 0; i < columns_.size(); ++i)
        ReadInto(columns_[i], rows_[current_].values[i]);
}

void CRecordset::MoveNext() {
    if (IsEOF()) return;
    ++current_;
    change_ = Change::None;
    LoadCurrentRow();
}

const CRecordset::Row& CRecordset::CurrentRow() const {
    if (IsEOF() || rows_[current_].rowId == 0) throw std::logic_error("no current row");
    return rows_[current_];
}

void CRecordset::ResetMembers() {
    for (const BoundColumn& column : columns_) ReadInto(column, std::monostate());
}

void CRecordset::AddNew() {
    if (IsQuery()) throw std::logic_error("a query is read only");
    Connection();
    ResetMembers();
    change_ = Change::Adding;
}

void CRecordset::Edit() {
    if (IsQuery()) throw std::logic_error("a query is read only");
    CurrentRow();
    change_ = Change::Editing;
}

void CRecordset::Update() {
    if (change_ == Change::Adding)
        Insert();
    else if (change_ == Change::Editing)
        UpdateCurrentRow();
    else
        throw std::logic_error("Update without AddNew or Edit");
    change_ = Change::None;
}

void CRecordset::Insert() {
    std::string names, places;
    for (const BoundColumn& column : columns_) {
        if (column.type == ColumnType::Key) continue;
        names += (names.empty() ? "" : ", ") + Bracketed(column.name);
        places += places.empty() ? "?" : ", ?";
    }
    SQLite::Statement insert(Connection(), "INSERT INTO " + GetDefaultSQL() + " (" + names +
                                               ") VALUES (" + places + ")");
    int index = 0;
    for (const BoundColumn& column : columns_)
        if (column.type != ColumnType::Key) Bind(insert, ++index, column);
    insert.exec();
    lastAddedId_ = Connection().getLastInsertRowid();
    for (const BoundColumn& column : columns_)
        if (column.type == ColumnType::Key) ReadInto(column, lastAddedId_);
}

void CRecordset::UpdateCurrentRow() {
    std::string assignments;
    for (const BoundColumn& column : columns_) {
        if (column.type == ColumnType::Key) continue;
        assignments += (assignments.empty() ? "" : ", ") + Bracketed(column.name) + " = ?";
    }
    SQLite::Statement update(
        Connection(), "UPDATE " + GetDefaultSQL() + " SET " + assignments + " WHERE rowid = ?");
    int index = 0;
    for (const BoundColumn& column : columns_)
        if (column.type != ColumnType::Key) Bind(update, ++index, column);
    update.bind(index + 1, CurrentRow().rowId);
    update.exec();
}

void CRecordset::Delete() {
    if (IsQuery()) throw std::logic_error("a query is read only");
    SQLite::Statement remove(Connection(), "DELETE FROM " + GetDefaultSQL() + " WHERE rowid = ?");
    remove.bind(1, CurrentRow().rowId);
    remove.exec();
    rows_[current_].rowId = 0;
    change_ = Change::None;
}
