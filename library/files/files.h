// File components: readers and writers that behave as ordinary simulation components.
//
// A file component keeps its file name as its only stored parameter and opens its file lazily,
// on the first Compute (or an explicit Open). Readers read a header first; writers write one.
// ASCIIFileWriter and ASCIIFileReader write and read text tables: one header line of column
// names, then one record per line, the fields separated by one separator character.
#pragma once

#include <climits>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "component.h"

// Longest file name that a parameter line holds (it must read back): the longest path the
// platform opens (PATH_MAX counts the terminating NUL).
constexpr int kMaxFileNameLength = PATH_MAX - 1;

// Outcome of reading one line of a text file.
enum class LineRead { kOk, kEnd, kTooLong };

// Reads the next line of `file` into `line` without its line end (LF, CRLF, or the end of the
// file after a last line without line end). A line longer than `maxLength` characters is
// consumed and reported as kTooLong; kEnd when nothing is left to read.
LineRead ReadTextLine(std::FILE* file, std::string& line, std::size_t maxLength);

// Reads a decimal integer the way a fixed-width field is written: leading white space, an
// optional sign, then at least one digit; reading stops at the first other character. A leading
// 0 is a plain digit (never an octal prefix). Values beyond the int range are clamped. The
// number of characters read goes to `consumed` when given.
[[nodiscard]] bool ParseDecimalInt(std::string_view text, int& value,
                                   std::size_t* consumed = nullptr);

// Reads a real number in the C notation whatever the user's locale: leading white space, an
// optional sign, then the number; reading stops at the first character that does not belong.
[[nodiscard]] bool ParseCNumber(std::string_view text, double& value);

// Writes `value` into [first, last) with six significant digits exactly as "%g" writes it in the
// C locale (std::to_chars, general, precision 6); returns the end of the text written. Bytes
// between that end and `last` may be overwritten.
char* FormatSixDigits(char* first, char* last, double value);

class FileIO : public SolarBase {
  public:
    FileIO() { FileIO::Reset(); }
    ~FileIO() override;

    int GetTypeId() const override { return kTypeFileIO; }
    // Closes the file and forgets the name.
    void Reset() override;
    int Check() override;
    // The file name (nothing when none) and a line end.
    int WriteParameters(std::ostream& out) const override;
    // The rest of the line is the file name; more than kMaxFileNameLength characters give 1.
    int ReadParameters(std::istream& in, int version) override;

    virtual int Open() { return kOk; }
    // Closes the file when open; 1 when closing reported a failure (unwritten data), else 0.
    virtual int Close();

    // Closes the file and stores a copy of `name`; an empty or null name means none. A name
    // that could not be read back from a parameter line (longer than kMaxFileNameLength characters,
    // or holding a line end) is refused with FatalError 5 and leaves no name. Ends with Check.
    int SetFileName(const char* name);
    // The stored name, or null when there is none.
    const char* GetFileName() const { return hasName_ ? fileName_.c_str() : nullptr; }
    // The system's error number of the last open that failed, 0 when none did.
    int SystemError() const { return systemError_; }
    [[nodiscard]] bool IsOpen() const { return file_ != nullptr; }

  protected:
    std::FILE* file_ = nullptr;
    // The buffer of a file open for writing; it outlives the file, closed by ~FileIO.
    std::vector<char> writeBuffer_;
    std::string fileName_;
    bool hasName_ = false;
    int systemError_ = 0;
};

// A file read from its start: opening reads the header. Keeps the number of records (or days)
// consumed after the header so that reading forward never starts again from the top.
class FileReader : public FileIO {
  public:
    int GetTypeId() const override { return kTypeFileReader; }
    void Reset() override;
    // Opens the file for reading and reads its header. A header that cannot be read closes the
    // file again.
    int Open() override;
    int Close() override;
    virtual int ReadHeader() = 0;

    // Destroys a reader held through a FileReader pointer.
    static void Delete(FileReader* reader) { delete reader; }

  protected:
    // Open with the given fopen mode.
    int OpenFile(const char* mode);
    // Goes back to the first record: rewinds and reads the header again. A failure closes the
    // file and returns ReadHeader's code.
    int Rewind();

    // Steps shared by the weather readers, which hold one day of a year at a time.
    // Checks day 1..365 (DomainError 0x101) and hour 1..24 (0x102) and opens the file when it is
    // closed (an unreadable header: message 0x103, result 1). kOk to go on.
    int StartDayStep(int day, int hour);
    // Positions the file just before `day`: rewinds when the day lies behind (0x103 when the
    // header no longer reads), then lets `skipDay` consume each day in between; a failure
    // leaves the position unknown and returns skipDay's code.
    int MoveBeforeDay(int day, const std::function<int(int)>& skipDay);

    // Records (or days) read completely since the header; -1 when the position is not known
    // (closed, or a read failed in the middle of a record).
    int position_ = -1;
};

class FileWriter : public FileIO {
  public:
    int GetTypeId() const override { return kTypeFileWriter; }
    // A writer without file name names the missing file as an empty text in its message.
    int Check() override;
    // Creates the file, new: a name already taken (by a file, or a link planted there) fails the
    // open instead of being written through. Then writes the header; returns a non-zero status
    // unchanged and does nothing when the file is already open.
    int Open() override;
    virtual int WriteHeader() = 0;
};

// Writes a text table: the header line of the enabled columns' names, then one record of the
// bound variables per Compute.
class ASCIIFileWriter : public FileWriter {
  public:
    ASCIIFileWriter() { ASCIIFileWriter::Reset(); }

    int GetTypeId() const override { return kTypeASCIIFileWriter; }
    void Reset() override;
    int Check() override;
    int Compute() override;
    int WriteHeader() override;

    // Defines `count` unbound columns. `names` (count texts) and `flags` (count ints, non-zero
    // = written) may be null: no header line, or every column written. Then sets the file name.
    int DefineColumns(const char* fileName, int count, const char* const* names, const int* flags,
                      char separator = ' ');
    // Binds column i to values[i] for every column, then Check.
    int BindColumns(double* values);
    // Binds one column (0-based) to any variable; an unbound column writes an empty field.
    void BindColumn(int column, VariableRef variable);
    // Copies flags first..last (0-based) to out (1 for each when no flags were given).
    int GetColumnFlags(int* out, int first, int last);
    int SetColumnFlags(const int* in, int first, int last);
    int GetColumnCount() const { return count_; }
    char GetSeparator() const { return separator_; }

  private:
    [[nodiscard]] bool Enabled(int column) const { return flags_.empty() || flags_[column] != 0; }
    int WriteText(std::string_view text);

    // Room for any field: an int, or a double in six significant digits with sign and exponent.
    static constexpr int kFieldWidth = 32;
    // The length of nearly every field written ("-1.23457e+06" and shorter).
    static constexpr std::size_t kShortField = 16;

    std::vector<VariableRef> columns_;
    int count_ = 0;
    std::vector<std::string> names_;  // empty when no names were given
    std::vector<int> flags_;          // empty when every column is written
    char separator_ = ' ';
    bool hasTable_ = false;
    // The record being written: a field and its separator per column, and the line end.
    std::vector<char> record_;
    // The columns written, in file order, with the last text of each: a value that repeats bit
    // for bit from the last record is copied rather than formatted again. A new value is
    // formatted in the record (at `fresh`) and kept from there before the next record is built.
    struct Field {
        VariableRef variable;
        std::uint64_t bits = 0;
        std::size_t length = 0;
        bool held = false;
        const char* fresh = nullptr;
        char text[kFieldWidth] = {};
    };
    std::vector<Field> fields_;  // laid out from the columns and flags when stale
    bool fieldsStale_ = true;
    void LayOutFields();
    // Writes a field at `out`; returns its end.
    char* WriteField(Field& field, char* out);
    char* WriteDouble(Field& field, char* out);
    // Copies the fields formatted in the last record into their last texts.
    void KeepNewFields();
};

// Reads a text table record by record, by column name. The record to read is an input (the
// caller's record number, 1-based); the values of the record read are the outputs, per column
// as a double, an int and a text.
class ASCIIFileReader : public FileReader {
  public:
    ASCIIFileReader() { ASCIIFileReader::Reset(); }
    ASCIIFileReader(int* record, const char* fileName, int caseSensitive = 0,
                    int maxLineLength = 1023, const char* separators = ", \t");

    int GetTypeId() const override { return kTypeASCIIFileReader; }
    void Reset() override;
    int Check() override;
    int Compute() override;
    int ReadHeader() override;

    int SetRecordCounter(int* record);
    // Sets the file, how names compare, the longest line (line end included, plus one) and the
    // separator characters; forgets the columns.
    int SetFile(const char* fileName, int caseSensitive = 0, int maxLineLength = 1023,
                const char* separators = ", \t");
    // 1-based index of the first column named `name`; 0 when none or no header read yet.
    int FindColumn(const char* name) const;

    int GetColumnCount() const { return columnCount_; }
    // Name of column 1..count; null outside.
    const char* GetColumnName(int column) const;
    // Addresses of the values of column 1..count (stable while the columns stay the same);
    // null outside.
    double* DoubleValue(int column);
    int* IntValue(int column);
    // Text of the field of column 1..count in the last record read (empty before any record).
    const char* TextValue(int column) const;

  private:
    // Reads and splits the header line; false when missing or too long.
    [[nodiscard]] bool ReadHeaderLine();
    // Sizes the value arrays for the header's columns.
    int ApplyHeader();
    std::size_t MaxContentLength() const;
    void ClearValues();

    int* record_ = nullptr;
    int caseSensitive_ = 0;
    int maxLineLength_ = 1023;
    std::string separators_ = ", \t";
    std::string line_;       // the record line, cut into fields
    int currentRecord_ = 0;  // record whose values are held; 0 when none
    int columnCount_ = 0;
    std::vector<std::string> headerNames_;  // index 1..count
    std::vector<double> doubleValues_;
    std::vector<int> intValues_;
    std::vector<std::size_t> textOffsets_;  // into line_; npos = empty
};
