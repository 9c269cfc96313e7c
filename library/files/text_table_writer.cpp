// ASCIIFileWriter: writes a text table, one record per Compute.
#include <bit>
#include <charconv>
#include <cstdint>
#include <cstring>
#include <new>

#include "files.h"

void ASCIIFileWriter::Reset() {
    FileIO::Reset();
    columns_.clear();
    names_.clear();
    flags_.clear();
    record_.clear();
    lastFields_.clear();
    count_ = 0;
    separator_ = ' ';
    hasTable_ = false;
}

int ASCIIFileWriter::DefineColumns(const char* fileName, int count, const char* const* names,
                                   const int* flags, char separator) {
    columns_.clear();
    names_.clear();
    flags_.clear();
    count_ = 0;
    hasTable_ = false;
    if (count <= 0) return FatalError(2, {count});
    try {
        if (names != nullptr)
            for (int i = 0; i < count; ++i) names_.emplace_back(names[i] ? names[i] : "");
        if (flags != nullptr) flags_.assign(flags, flags + count);
        columns_.assign(count, VariableRef());
        record_.assign(static_cast<std::size_t>(count) * (kFieldWidth + 1) + 1, '\0');
        lastFields_.assign(static_cast<std::size_t>(count), LastField());
    } catch (const std::bad_alloc&) {
        columns_.clear();
        names_.clear();
        flags_.clear();
        record_.clear();
        lastFields_.clear();
        ReportError(kAllocationFailure);
        return 1;
    }
    count_ = count;
    separator_ = separator;
    hasTable_ = true;
    return SetFileName(fileName);
}

int ASCIIFileWriter::BindColumns(double* values) {
    for (int i = 0; i < count_; ++i) columns_[i] = VariableRef(values ? values + i : nullptr);
    return Check();
}

void ASCIIFileWriter::BindColumn(int column, VariableRef variable) {
    if (column >= 0 && column < count_) columns_[column] = variable;
}

int ASCIIFileWriter::GetColumnFlags(int* out, int first, int last) {
    if (last > count_ - 1 || first < 0) return FatalError(3, {first, last, count_});
    for (int i = first; i <= last; ++i) out[i - first] = flags_.empty() ? 1 : flags_[i];
    return status_;
}

int ASCIIFileWriter::SetColumnFlags(const int* in, int first, int last) {
    if (last > count_ - 1 || first < 0 || flags_.empty())
        return FatalError(3, {first, last, count_});
    for (int i = first; i <= last; ++i) flags_[i] = in[i - first];
    return Check();
}

int ASCIIFileWriter::Check() {
    if (!hasName_) return FatalError(1, {""});
    if (!hasTable_) return FatalError(4);
    return SolarBase::Check();
}

int ASCIIFileWriter::WriteText(std::string_view text) {
    if (std::fwrite(text.data(), 1, text.size(), file_) != text.size() || std::ferror(file_))
        return DomainError(0x101, {fileName_});
    return kOk;
}

int ASCIIFileWriter::WriteHeader() {
    if (file_ == nullptr) return kFatal;
    if (names_.empty()) return kOk;
    std::string line;
    bool first = true;
    for (int i = 0; i < count_; ++i) {
        if (!Enabled(i)) continue;
        if (!first) line += separator_;
        line += names_[i];
        first = false;
    }
    line += '\n';
    return WriteText(line);
}

// Many columns repeat their value from one record to the next (a heater that stays off, a pump
// that keeps its flow): their text is kept and copied rather than formatted again.
char* ASCIIFileWriter::WriteDouble(int column, char* out, double value) {
    LastField& last = lastFields_[static_cast<std::size_t>(column)];
    const auto bits = std::bit_cast<std::uint64_t>(value);
    if (last.held && last.bits == bits) {
        // Nearly every field fits kShortField: copied whole (the record has room for
        // kFieldWidth per column), it takes a couple of moves rather than a library call.
        static_assert(kShortField <= kFieldWidth);
        if (last.length <= kShortField)
            std::memcpy(out, last.text, kShortField);
        else
            std::memcpy(out, last.text, last.length);
        return out + last.length;
    }
    // A new value is formatted in the record itself and kept from there before the next record:
    // copied at once, the copy would wait for the formatting's stores to reach the cache.
    char* const end = FormatSixDigits(out, out + kFieldWidth, value);
    last.length = static_cast<std::size_t>(end - out);
    last.bits = bits;
    last.held = true;
    last.inRecord = true;
    last.offset = static_cast<std::size_t>(out - record_.data());
    return end;
}

void ASCIIFileWriter::KeepNewFields() {
    // Every field starts at least kFieldWidth before the record's end: whole copies stay inside.
    for (LastField& last : lastFields_) {
        if (!last.inRecord) continue;
        std::memcpy(last.text, record_.data() + last.offset, kFieldWidth);
        last.inRecord = false;
    }
}

int ASCIIFileWriter::Compute() {
    if (status_ != kReady) return status_;
    if (file_ == nullptr && Open() != kOk) return kOpenFailed;
    KeepNewFields();
    // Every field is written in place: the record's storage holds the widest record.
    char* const start = record_.data();
    char* out = start;
    bool first = true;
    for (int i = 0; i < count_; ++i) {
        if (!Enabled(i)) continue;
        if (!first) *out++ = separator_;
        first = false;
        const VariableRef& column = columns_[i];
        if (!column.IsBound()) continue;
        if (column.kind == VariableRef::kInt)
            out = std::to_chars(out, out + kFieldWidth, *static_cast<int*>(column.pointer)).ptr;
        else
            out = WriteDouble(i, out, *static_cast<double*>(column.pointer));
    }
    *out++ = '\n';
    if (const int result = WriteText({start, static_cast<std::size_t>(out - start)}); result != kOk)
        return result;
    return status_;
}
