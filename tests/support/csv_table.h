// Reads the reference tables kept under tests/data: comment lines start with '#', the first other
// line names the columns, fields are separated by commas.
#pragma once

#include <map>
#include <string>
#include <vector>

namespace test {

struct CsvRow {
    std::map<std::string, std::string> fields;
    double Number(const std::string& column) const;
    const std::string& Text(const std::string& column) const;
    bool HasFlag(const std::string& flag) const;  // in the "flags" column, ';'-separated
};

std::vector<CsvRow> ReadCsvTable(const std::string& fileName);

}  // namespace test
