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
    fields_.clear();
    fieldsStale_ = true;
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
    fieldsStale_ = true;
    if (count <= 0) return FatalError(2, {count});
    try {
        if (names != nullptr)
            for (int i = 0; i < count; ++i) names_.emplace_back(names[i] ? names[i] : "");
        if (flags != nullptr) flags_.assign(flags, flags + count);
        columns_.assign(count, VariableRef());
        record_.assign(static_cast<std::size_t>(count) * (kFieldWidth + 1) + 1, '\0');
        // Laying out the fields never allocates afterwards.
        fields_.clear();
        fields_.reserve(static_cast<std::size_t>(count));
    } catch (const std::bad_alloc&) {
        columns_.clear();
        names_.clear();
        flags_.clear();
        record_.clear();
        fields_ = std::vector<Field>();
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
    fieldsStale_ = true;
    return Check();
}

void ASCIIFileWriter::BindColumn(int column, VariableRef variable) {
    if (column >= 0 && column < count_) columns_[column] = variable;
    fieldsStale_ = true;
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
    fieldsStale_ = true;
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

void ASCIIFileWriter::LayOutFields() {
    fields_.clear();
    for (int i = 0; i < count_; ++i)
        if (Enabled(i))
            fields_.push_back(Field{columns_[i].IsBound() ? columns_[i] : VariableRef()});
    fieldsStale_ = false;
}

// Many columns repeat their value from one record to the next (a heater that stays off, a pump
// that keeps its flow): their text is kept and copied rather than formatted again.
char* ASCIIFileWriter::WriteDouble(Field& field, char* out) {
    const double value = *static_cast<const double*>(field.variable.pointer);
    const auto bits = std::bit_cast<std::uint64_t>(value);
    if (field.held && field.bits == bits) {
        // Nearly every field fits kShortField: copied whole (the record has room for
        // kFieldWidth per column), it takes a couple of moves rather than a library call.
        static_assert(kShortField <= kFieldWidth);
        if (field.length <= kShortField)
            std::memcpy(out, field.text, kShortField);
        else
            std::memcpy(out, field.text, field.length);
        return out + field.length;
    }
    // A new value is formatted in the record itself and kept from there before the next record:
    // copied at once, the copy would wait for the formatting's stores to reach the cache.
    char* const end = FormatSixDigits(out, out + kFieldWidth, value);
    field.length = static_cast<std::size_t>(end - out);
    field.bits = bits;
    field.held = true;
    field.fresh = out;
    return end;
}

char* ASCIIFileWriter::WriteField(Field& field, char* out) {
    switch (field.variable.kind) {
        case VariableRef::kDouble:
            return WriteDouble(field, out);
        case VariableRef::kInt:
            return std::to_chars(out, out + kFieldWidth,
                                 *static_cast<const int*>(field.variable.pointer))
                .ptr;
        default:  // unbound: an empty field
            return out;
    }
}

void ASCIIFileWriter::KeepNewFields() {
    // Every field starts at least kFieldWidth before the record's end: whole copies stay inside.
    for (Field& field : fields_) {
        if (field.fresh == nullptr) continue;
        std::memcpy(field.text, field.fresh, kFieldWidth);
        field.fresh = nullptr;
    }
}

int ASCIIFileWriter::Compute() {
    if (status_ != kReady) return status_;
    if (file_ == nullptr && Open() != kOk) return kOpenFailed;
    if (fieldsStale_) LayOutFields();
    KeepNewFields();
    // Every field is written in place, each followed by the separator; the last separator
    // becomes the line end. The record's storage holds the widest record.
    char* const start = record_.data();
    char* out = start;
    for (Field& field : fields_) {
        out = WriteField(field, out);
        *out++ = separator_;
    }
    if (fields_.empty())
        *out++ = '\n';
    else
        out[-1] = '\n';
    if (const int result = WriteText({start, static_cast<std::size_t>(out - start)}); result != kOk)
        return result;
    return status_;
}
