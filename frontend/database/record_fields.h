// The columns of a record class, each bound to the member that holds its value, in binding
// order. A record class lists them in `DoFieldExchange`; the recordset reads, writes and
// creates its table from that one list.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

// Column types of the database. Long: signed 32-bit; Byte: 0..255; Bool: 0 or 1; Double: 64-bit
// float; Text: at most 255 characters; Date: seconds since 1970.
enum class ColumnType { Key, Long, Byte, Bool, Double, Text, Date };

inline constexpr std::size_t kMaximumTextLength = 255;

struct BoundColumn {
    std::string_view name;
    ColumnType type;
    std::variant<std::int32_t*, std::uint8_t*, bool*, double*, std::string*, std::int64_t*> member;
};

class RecordFields {
  public:
    // The table's Id column: assigned by the database when a row is added, never written.
    void Key(std::string_view column, std::int32_t& value) { Add(column, ColumnType::Key, &value); }
    void Long(std::string_view column, std::int32_t& value) {
        Add(column, ColumnType::Long, &value);
    }
    void Byte(std::string_view column, std::uint8_t& value) {
        Add(column, ColumnType::Byte, &value);
    }
    void Bool(std::string_view column, bool& value) { Add(column, ColumnType::Bool, &value); }
    void Double(std::string_view column, double& value) { Add(column, ColumnType::Double, &value); }
    void Text(std::string_view column, std::string& value) {
        Add(column, ColumnType::Text, &value);
    }
    void Date(std::string_view column, std::int64_t& value) {
        Add(column, ColumnType::Date, &value);
    }

    const std::vector<BoundColumn>& Columns() const { return columns_; }

  private:
    template <class T>
    void Add(std::string_view column, ColumnType type, T* member) {
        columns_.push_back({column, type, member});
    }
    std::vector<BoundColumn> columns_;
};
