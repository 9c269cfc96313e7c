// String tables: every text the programs show is found by a numeric id. The English table is
// built into each program; the French one is a data file in the program folder, named after the
// program's French library ("TidewarmProFra.str", "TidewarmFra.str"), loaded at start when the
// language is French.
//
// String file format (UTF-8): one entry per line, the id in decimal, one tab, then the text, in
// which "\n", "\t" and "\\" stand for a line break, a tab and a backslash. Empty lines and lines
// starting with '#' are ignored; a line may end with CR LF.
#pragma once

#include <cstddef>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "language.h"
#include "messages.h"

// One entry of a built-in table.
struct StringEntry {
    int id;
    std::string_view text;
};

// The names the French string files are named after, and their extension.
inline constexpr std::string_view kSimulatorFrenchLibrary = "TidewarmProFra";
inline constexpr std::string_view kFrontEndFrenchLibrary = "TidewarmFra";
inline constexpr std::string_view kStringFileExtension = ".str";

// The text of a missing id.
inline constexpr std::string_view kMissingString = "???";

class StringTable {
  public:
    StringTable() = default;
    // An entry whose id came before in `entries` is dropped.
    explicit StringTable(std::span<const StringEntry> entries);

    // Adds an entry; false (and nothing changes) when the id is already present.
    [[nodiscard]] bool Add(int id, std::string text);
    // The text of `id`; null when the table has no such id.
    const std::string* Find(int id) const;
    std::size_t size() const { return entries_.size(); }
    bool empty() const { return entries_.empty(); }
    const std::map<int, std::string>& Entries() const { return entries_; }

  private:
    std::map<int, std::string> entries_;
};

// A line of a string file that was not taken, and why.
struct StringFileProblem {
    int line;  // from 1
    std::string reason;
};

// Reads string-file contents: every good line becomes an entry, every bad one (no tab, an id
// that is not a decimal number, an unknown escape, an id already given) is skipped and noted in
// `problems`.
StringTable ParseStringTable(std::string_view contents,
                             std::vector<StringFileProblem>* problems = nullptr);

// Reads a string file; nothing when it cannot be opened or read.
[[nodiscard]] std::optional<StringTable> ReadStringTableFile(
    const std::string& path, std::vector<StringFileProblem>* problems = nullptr);

// Path of a French string file: program folder, "/", library name, ".str".
std::string FrenchStringFile(const std::string& programFolder, std::string_view libraryName);

// True when two format texts take the same kinds of argument in the same order (widths, flags
// and precisions may differ). Two texts that both hold a conversion the formatter refuses also
// count as the same: neither is ever used as a format.
[[nodiscard]] bool SameConversions(std::string_view a, std::string_view b);

// The tables in force for the whole process; set at start, before any text is looked up.

// Makes `entries` the built-in English table (replacing any earlier one).
void SetEnglishStrings(std::span<const StringEntry> entries);
// Loads the French table from `path`. False when the file cannot be read: the French table is
// then dropped and English is used. Lines the file gets wrong are skipped.
[[nodiscard]] bool LoadFrenchStrings(const std::string& path);
// Drops the French table: English is used.
void DropFrenchStrings();
[[nodiscard]] bool FrenchStringsLoaded();
const StringTable& EnglishStrings();
const StringTable& FrenchStrings();

// Sets the English table and, when `language` is French, loads the French file of
// `libraryName` from `programFolder`. True when the French table is in force.
[[nodiscard]] bool SetUpStrings(std::span<const StringEntry> english, Language language,
                                const std::string& programFolder, std::string_view libraryName);

// The text of `id` in the language in force: the French table's when it is loaded and holds the
// id, else the English table's, else "???".
std::string LoadResString(int id);

// The text of `id` in the language in force, filled with `args`; the text itself when its
// conversions do not take these arguments (so a faulty translation never reaches the formatter).
template <class... Args>
std::string FormatResString(int id, const Args&... args) {
    const std::string text = LoadResString(id);
    return FormatText(text, args...).value_or(text);
}
