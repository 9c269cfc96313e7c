// The records of a monthly result file, read the same way by the text report and the front end:
// the first line's headings name the column of each field (kMonthlyColumns, letter case
// counting), then one record per line, its fields separated by "," (a comma at the very end adds
// none), up to the end of the file or the first blank line. Each field is a number as
// NumberFromText reads it: "inf" and "nan" too, which a run whose model failed writes and the
// text report shows.
#pragma once

#include <array>
#include <istream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "result_columns.h"

// Why a heading line or a record line was refused.
struct ResultRecordProblem {
    enum class Kind { kUnknownHeading, kFieldCount, kNotANumber };
    Kind kind;
    int line;              // 1 for the headings
    std::string field;     // the heading not known, or the field that is not a number
    int fieldCount = 0;    // kFieldCount: the fields of the line
    int headingCount = 0;  // and the headings
};

// The values of one record by column; the columns that the headings do not name hold 0.
using MonthlyRecord = std::array<double, kMonthlyColumnCount>;

// The fields of a line, as written (a comma at the very end adds none).
std::vector<std::string_view> ResultLineFields(std::string_view line);

class MonthlyRecordReader {
  public:
    explicit MonthlyRecordReader(std::istream& in) : in_(in) {}

    // Reads the heading line; a heading that is not a monthly column's refuses the file.
    [[nodiscard]] std::optional<ResultRecordProblem> ReadHeadings();
    // The column of each field, in the file's order.
    const std::vector<MonthlyColumn>& Columns() const { return columns_; }
    [[nodiscard]] bool Names(MonthlyColumn column) const;

    // Reads the next record into `record`; false at the end of the records, or when the line
    // holds another number of fields than the headings or a field that is not a number, which
    // Problem() then tells.
    [[nodiscard]] bool ReadRecord(MonthlyRecord& record);
    const std::optional<ResultRecordProblem>& Problem() const { return problem_; }
    // The number of the line last read, from 1.
    int Line() const { return line_; }
    // The text of the column's field in the record last read; empty when not named.
    std::string_view Field(MonthlyColumn column) const;

  private:
    std::istream& in_;
    int line_ = 0;
    std::string text_;
    std::vector<MonthlyColumn> columns_;
    std::vector<std::string_view> fields_;  // into text_
    std::optional<ResultRecordProblem> problem_;
};
