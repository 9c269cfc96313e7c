#include "csv_table.h"

#include <fstream>
#include <sstream>
#include <stdexcept>

namespace test {

namespace {

std::vector<std::string> SplitFields(const std::string& line) {
    std::vector<std::string> fields;
    std::stringstream s(line);
    std::string field;
    while (std::getline(s, field, ',')) fields.push_back(field);
    if (!line.empty() && line.back() == ',') fields.emplace_back();
    return fields;
}

}  // namespace

double CsvRow::Number(const std::string& column) const {
    return std::stod(Text(column));
}

const std::string& CsvRow::Text(const std::string& column) const {
    const auto it = fields.find(column);
    if (it == fields.end()) throw std::runtime_error("no column " + column);
    return it->second;
}

bool CsvRow::HasFlag(const std::string& flag) const {
    const auto it = fields.find("flags");
    if (it == fields.end()) return false;
    std::stringstream s(it->second);
    std::string f;
    while (std::getline(s, f, ';'))
        if (f == flag) return true;
    return false;
}

std::vector<CsvRow> ReadCsvTable(const std::string& fileName) {
    std::ifstream in(std::string(TIDEWARM_TEST_DATA_DIR) + "/" + fileName);
    if (!in) throw std::runtime_error("cannot open " + fileName);
    std::vector<CsvRow> rows;
    std::vector<std::string> header;
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#') continue;
        if (header.empty()) {
            header = SplitFields(line);
            continue;
        }
        const auto values = SplitFields(line);
        CsvRow row;
        for (std::size_t i = 0; i < header.size() && i < values.size(); ++i)
            row.fields[header[i]] = values[i];
        rows.push_back(std::move(row));
    }
    return rows;
}

}  // namespace test
