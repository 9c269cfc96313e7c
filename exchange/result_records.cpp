#include "result_records.h"

#include <algorithm>

#include "number_text.h"

std::vector<std::string_view> ResultLineFields(std::string_view line) {
    std::vector<std::string_view> fields;
    std::size_t start = 0;
    while (start < line.size()) {
        const std::size_t comma = std::min(line.find(',', start), line.size());
        fields.push_back(line.substr(start, comma - start));
        start = comma + 1;
    }
    return fields;
}

std::optional<ResultRecordProblem> MonthlyRecordReader::ReadHeadings() {
    columns_.clear();
    line_ = 1;
    if (!std::getline(in_, text_)) return std::nullopt;
    for (const std::string_view heading : ResultLineFields(WithoutBlanks(text_))) {
        const auto known =
            std::find_if(kMonthlyColumns.begin(), kMonthlyColumns.end(),
                         [&](const MonthlyColumnInfo& c) { return c.name == heading; });
        if (known == kMonthlyColumns.end())
            return ResultRecordProblem{ResultRecordProblem::Kind::kUnknownHeading, line_,
                                       std::string(heading)};
        columns_.push_back(known->id);
    }
    return std::nullopt;
}

bool MonthlyRecordReader::Names(MonthlyColumn column) const {
    return std::find(columns_.begin(), columns_.end(), column) != columns_.end();
}

bool MonthlyRecordReader::ReadRecord(MonthlyRecord& record) {
    fields_.clear();
    if (problem_ || !std::getline(in_, text_)) return false;
    ++line_;
    const std::string_view line = WithoutBlanks(text_);
    if (line.empty()) return false;
    fields_ = ResultLineFields(line);
    if (fields_.size() != columns_.size()) {
        problem_ = ResultRecordProblem{ResultRecordProblem::Kind::kFieldCount,
                                       line_,
                                       {},
                                       static_cast<int>(fields_.size()),
                                       static_cast<int>(columns_.size())};
        return false;
    }
    record.fill(0);
    for (std::size_t f = 0; f < fields_.size(); ++f) {
        const std::optional<double> value = NumberFromText(fields_[f]);
        if (!value) {
            problem_ = ResultRecordProblem{ResultRecordProblem::Kind::kNotANumber, line_,
                                           std::string(fields_[f])};
            return false;
        }
        record[columns_[f]] = *value;
    }
    return true;
}

std::string_view MonthlyRecordReader::Field(MonthlyColumn column) const {
    for (std::size_t f = 0; f < fields_.size() && f < columns_.size(); ++f)
        if (columns_[f] == column) return fields_[f];
    return {};
}
