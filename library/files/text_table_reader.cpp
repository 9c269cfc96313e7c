// ASCIIFileReader: reads a text table record by record, by column name.
#include <cctype>
#include <new>

#include "files.h"

namespace {

constexpr std::size_t kNoText = std::string::npos;

// Removes the leading spaces (not tabs) of a line.
void StripLeadingSpaces(std::string& line) {
    const std::size_t start = line.find_first_not_of(' ');
    line.erase(0, start == std::string::npos ? line.size() : start);
}

void StripTrailing(std::string& line, const std::string& characters) {
    while (!line.empty() && characters.find(line.back()) != std::string::npos) line.pop_back();
}

}  // namespace

ASCIIFileReader::ASCIIFileReader(int* record, const char* fileName, int caseSensitive,
                                 int maxLineLength, const char* separators) {
    ASCIIFileReader::Reset();
    SetRecordCounter(record);
    SetFile(fileName, caseSensitive, maxLineLength, separators);
}

void ASCIIFileReader::Reset() {
    FileReader::Reset();
    record_ = nullptr;
    caseSensitive_ = 0;
    maxLineLength_ = 1023;
    separators_ = ", \t";
    line_.clear();
    currentRecord_ = 0;
    columnCount_ = 0;
    headerNames_.clear();
    doubleValues_.clear();
    intValues_.clear();
    textOffsets_.clear();
}

int ASCIIFileReader::SetRecordCounter(int* record) {
    record_ = record;
    return Check();
}

int ASCIIFileReader::SetFile(const char* fileName, int caseSensitive, int maxLineLength,
                             const char* separators) {
    Close();
    columnCount_ = 0;
    headerNames_.clear();
    doubleValues_.clear();
    intValues_.clear();
    textOffsets_.clear();
    separators_ = separators ? separators : "";
    caseSensitive_ = caseSensitive;
    maxLineLength_ = maxLineLength;
    currentRecord_ = 0;
    return SetFileName(fileName);
}

int ASCIIFileReader::Check() {
    if (record_ == nullptr) return FatalError(0);
    return FileIO::Check();
}

std::size_t ASCIIFileReader::MaxContentLength() const {
    // A line fits when its length with the line end is below the maximum line length - 1.
    return maxLineLength_ > 3 ? static_cast<std::size_t>(maxLineLength_ - 3) : 0;
}

bool ASCIIFileReader::ReadHeaderLine() {
    std::string line;
    if (ReadTextLine(file_, line, MaxContentLength()) != LineRead::kOk) return false;
    StripLeadingSpaces(line);
    StripTrailing(line, separators_);
    StripTrailing(line, " \t\r\n\v\f");
    std::vector<std::string> names(1);  // index 0 is not a column
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = line.find_first_of(separators_, start);
        names.push_back(line.substr(start, end == std::string::npos ? end : end - start));
        if (end == std::string::npos) break;
        start = end + 1;
    }
    headerNames_ = std::move(names);
    return true;
}

int ASCIIFileReader::ReadHeader() {
    currentRecord_ = 0;
    if (file_ == nullptr) return kFatal;
    if (!ReadHeaderLine()) return FatalError(0x104);
    return ApplyHeader();
}

int ASCIIFileReader::ApplyHeader() {
    try {
        // Storage is kept when the column count stays the same, so the addresses that other
        // components hold stay valid when the file is opened again.
        columnCount_ = static_cast<int>(headerNames_.size()) - 1;
        doubleValues_.assign(columnCount_ + 1, 0.0);
        intValues_.assign(columnCount_ + 1, 0);
        textOffsets_.assign(columnCount_ + 1, kNoText);
    } catch (const std::bad_alloc&) {
        columnCount_ = 0;
        ReportError(kAllocationFailure);
        return 1;
    }
    return kOk;
}

void ASCIIFileReader::ClearValues() {
    for (int i = 0; i <= columnCount_; ++i) {
        doubleValues_[i] = 0;
        intValues_[i] = 0;
        textOffsets_[i] = kNoText;
    }
}

int ASCIIFileReader::Compute() {
    if (status_ != kReady) return status_;
    const int record = *record_;
    if (record < 1) return DomainError(0x101, {record});
    if (file_ == nullptr && Open() != kOk) return kOpenFailed;
    if (record == currentRecord_) return status_;

    // The values change now: until the record is read completely, none is held.
    currentRecord_ = 0;
    ClearValues();

    if (position_ < 0 || record <= position_) {
        // Back to the top, past the header line; the columns stay those read when the file was
        // opened. A header that no longer reads is a bad record here, not fatal.
        std::rewind(file_);
        std::string header;
        if (ReadTextLine(file_, header, MaxContentLength()) != LineRead::kOk) {
            Close();
            return DomainError(0x104);
        }
        position_ = 0;
    }
    const std::size_t maxLength = MaxContentLength();
    while (position_ < record) {
        if (ReadTextLine(file_, line_, maxLength) != LineRead::kOk) {
            position_ = -1;
            line_.clear();
            return DomainError(0x102, {record});
        }
        ++position_;
    }

    StripLeadingSpaces(line_);
    StripTrailing(line_, separators_);

    int found = 0;
    std::size_t start = 0;
    while (found < columnCount_) {
        const std::size_t end = line_.find_first_of(separators_, start);
        const bool last = end == std::string::npos;
        if (!last) line_[end] = '\0';
        ++found;
        const std::string_view field(line_.data() + start, (last ? line_.size() : end) - start);
        if (!ParseCNumber(field, doubleValues_[found])) doubleValues_[found] = 0;
        if (!ParseDecimalInt(field, intValues_[found])) intValues_[found] = 0;
        textOffsets_[found] = start;
        if (last) break;
        start = end + 1;
    }
    if (found < columnCount_) return DomainError(0x103, {record, columnCount_ + 1, found});
    currentRecord_ = record;
    return status_;
}

int ASCIIFileReader::FindColumn(const char* name) const {
    if (name == nullptr) return 0;
    const auto lower = [](std::string_view s) {
        std::string out(s);
        for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        return out;
    };
    const std::string wanted = caseSensitive_ ? std::string(name) : lower(name);
    for (int i = 1; i <= columnCount_; ++i) {
        const std::string& header = headerNames_[i];
        if ((caseSensitive_ ? header : lower(header)) == wanted) return i;
    }
    return 0;
}

const char* ASCIIFileReader::GetColumnName(int column) const {
    if (column < 1 || column > columnCount_) return nullptr;
    return headerNames_[column].c_str();
}

double* ASCIIFileReader::DoubleValue(int column) {
    if (column < 1 || column > columnCount_) return nullptr;
    return &doubleValues_[column];
}

int* ASCIIFileReader::IntValue(int column) {
    if (column < 1 || column > columnCount_) return nullptr;
    return &intValues_[column];
}

const char* ASCIIFileReader::TextValue(int column) const {
    if (column < 1 || column > columnCount_ || textOffsets_[column] == kNoText) return "";
    return line_.c_str() + textOffsets_[column];
}
