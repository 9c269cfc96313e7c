// FileIO, FileReader and FileWriter, and the text helpers shared by the readers.
#include "files.h"

#include <cctype>
#include <cerrno>
#include <charconv>
#include <climits>
#include <cmath>
#include <cstdio>
#include <istream>
#include <ostream>

#include "file_kind.h"
#include "helpers.h"

LineRead ReadTextLine(std::FILE* file, std::string& line, std::size_t maxLength) {
    line.clear();
    bool tooLong = false;
    int c = std::getc(file);
    if (c == EOF) return LineRead::kEnd;
    while (c != EOF && c != '\n') {
        if (line.size() <= maxLength)
            line.push_back(static_cast<char>(c));
        else
            tooLong = true;
        c = std::getc(file);
    }
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (tooLong || line.size() > maxLength) return LineRead::kTooLong;
    return LineRead::kOk;
}

namespace {

// Buffer of a file being written, bytes.
constexpr std::size_t kWriteBufferSize = 1 << 16;

std::size_t SkipBlanks(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i]))) ++i;
    return i;
}

}  // namespace

bool ParseDecimalInt(std::string_view text, int& value, std::size_t* consumed) {
    std::size_t i = SkipBlanks(text);
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    const std::size_t digits = i;
    long long v = 0;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
        if (v <= static_cast<long long>(INT_MAX) + 1) v = v * 10 + (text[i] - '0');
        ++i;
    }
    if (i == digits) return false;
    if (negative) v = -v;
    value = static_cast<int>(v < INT_MIN ? INT_MIN : (v > INT_MAX ? INT_MAX : v));
    if (consumed) *consumed = i;
    return true;
}

bool ParseCNumber(std::string_view text, double& value) {
    std::size_t i = SkipBlanks(text);
    // from_chars takes a leading minus but no plus.
    if (i + 1 < text.size() && text[i] == '+' && text[i + 1] != '-') ++i;
    const char* first = text.data() + i;
    const char* last = text.data() + text.size();
    // A hexadecimal real ("0x1.8p1"); without a digit after the prefix only the 0 reads. The
    // C reader takes no sign after the prefix, which from_chars would.
    const bool minus = first < last && *first == '-';
    const char* prefix = first + (minus ? 1 : 0);
    if (last - prefix > 2 && prefix[0] == '0' && (prefix[1] == 'x' || prefix[1] == 'X') &&
        prefix[2] != '-' && prefix[2] != '+') {
        double h = 0;
        const auto hex = std::from_chars(prefix + 2, last, h, std::chars_format::hex);
        if (hex.ec == std::errc()) {
            value = minus ? -h : h;
            return true;
        }
        if (hex.ec == std::errc::result_out_of_range) {
            const std::string_view number(prefix, static_cast<std::size_t>(hex.ptr - prefix));
            const std::size_t p = number.find_first_of("pP");
            const bool tiny =
                p != std::string_view::npos && p + 1 < number.size() && number[p + 1] == '-';
            value = (minus ? -1 : 1) * (tiny ? 0.0 : HUGE_VAL);
            return true;
        }
    }
    double v = 0;
    const auto result = std::from_chars(first, last, v);
    if (result.ec == std::errc::invalid_argument) return false;
    if (result.ec == std::errc::result_out_of_range) {
        // Out of range: infinity or 0 of the right sign (or the nearest tiny value), as the C
        // reader gives. The wider type settles most cases; beyond it the exponent's sign does.
        long double wide = 0;
        if (std::from_chars(first, result.ptr, wide).ec == std::errc()) {
            v = static_cast<double>(wide);
        } else {
            const std::string_view number(first, static_cast<std::size_t>(result.ptr - first));
            const std::size_t e = number.find_first_of("eE");
            const bool tiny =
                e != std::string_view::npos && e + 1 < number.size() && number[e + 1] == '-';
            v = tiny ? 0.0 : HUGE_VAL;
            if (*first == '-') v = -v;
        }
    }
    value = v;
    return true;
}

// ---------------------------------------------------------------------------------------------
// FileIO

FileIO::~FileIO() {
    FileIO::Close();
}

void FileIO::Reset() {
    FileIO::Close();
    fileName_.clear();
    hasName_ = false;
}

int FileIO::Check() {
    if (!hasName_) return FatalError(1);
    return SolarBase::Check();
}

int FileIO::Close() {
    if (file_ == nullptr) return kOk;
    const int failed = std::fclose(file_);
    file_ = nullptr;
    return failed != 0 ? 1 : 0;
}

int FileIO::SetFileName(const char* name) {
    Close();
    fileName_.clear();
    hasName_ = false;
    const std::string_view text = name ? name : "";
    if (text.size() > static_cast<std::size_t>(kMaxFileNameLength) ||
        text.find_first_of("\r\n") != std::string_view::npos)
        return FatalError(5, {static_cast<int>(text.size()), kMaxFileNameLength});
    if (!text.empty()) {
        fileName_ = text;
        hasName_ = true;
    }
    return Check();
}

int FileIO::WriteParameters(std::ostream& out) const {
    if (hasName_) out << fileName_;
    out << '\n';
    return out.good() ? 0 : 1;
}

int FileIO::ReadParameters(std::istream& in, int) {
    std::string line;
    std::getline(in, line);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (in.fail()) return 1;
    if (line.size() > static_cast<std::size_t>(kMaxFileNameLength)) return 1;
    SetFileName(line.c_str());
    return in.good() ? 0 : 1;
}

// ---------------------------------------------------------------------------------------------
// FileReader

void FileReader::Reset() {
    FileIO::Reset();
    position_ = -1;
}

int FileReader::Close() {
    position_ = -1;
    return FileIO::Close();
}

int FileReader::Open() {
    return OpenFile("r");
}

int FileReader::OpenFile(const char* mode) {
    Close();
    if (!hasName_) return FatalError(1);
    // Opening a FIFO would wait for a writer, and a device may never end: the file cannot be
    // opened, with no reason of the system's.
    const bool regular = !NotRegularFileKind(fileName_);
    file_ = regular ? std::fopen(fileName_.c_str(), mode) : nullptr;
    systemError_ = regular && file_ == nullptr ? errno : 0;
    if (file_ == nullptr) return FatalError(2, {fileName_});
    return Rewind();
}

int FileReader::Rewind() {
    if (file_ == nullptr) return kFatal;
    std::rewind(file_);
    const int result = ReadHeader();
    if (result != kOk)
        Close();
    else
        position_ = 0;
    return result;
}

int FileReader::StartDayStep(int day, int hour) {
    if (day < 1 || day > kDaysPerYear) return DomainError(0x101, {day});
    if (hour < 1 || hour > 24) return DomainError(0x102, {hour});
    if (file_ == nullptr && Open() != kOk) {
        // A header that does not read leaves no message of its own.
        if (status_ == kReady) DomainError(0x103);
        return kOpenFailed;
    }
    return kOk;
}

int FileReader::MoveBeforeDay(int day, const std::function<int(int)>& skipDay) {
    if (position_ < 0 || day <= position_) {
        if (Rewind() != kOk) return DomainError(0x103);
    }
    while (position_ < day - 1) {
        if (const int result = skipDay(position_ + 1); result != kOk) {
            position_ = -1;
            return result;
        }
        ++position_;
    }
    return kOk;
}

// ---------------------------------------------------------------------------------------------
// FileWriter

int FileWriter::Check() {
    if (!hasName_) return FatalError(1, {""});
    return SolarBase::Check();
}

int FileWriter::Open() {
    if (file_ != nullptr || status_ != kReady) return status_;
    // Created new ("x"): whatever stands at the name already, a link planted there included, makes
    // the open fail rather than be written through.
    file_ = std::fopen(fileName_.c_str(), "wx");
    systemError_ = file_ == nullptr ? errno : 0;
    if (file_ == nullptr) return FatalError(1, {fileName_});
    // A season's hourly file is megabytes: a larger buffer writes it in fewer system calls
    // (given no buffer of its own, the C library would keep its block-sized one).
    writeBuffer_.resize(kWriteBufferSize);
    std::setvbuf(file_, writeBuffer_.data(), _IOFBF, writeBuffer_.size());
    const int result = WriteHeader();
    if (result != kOk) {
        // The next attempt creates the file again, header first.
        Close();
        std::remove(fileName_.c_str());
    }
    return result;
}
