#include "string_table.h"

#include <charconv>
#include <cstdio>

#include "file_kind.h"
#include "messages.h"

StringTable::StringTable(std::span<const StringEntry> entries) {
    // A built-in table gives each id once (its tests check it); the first text of an id stays.
    for (const StringEntry& e : entries) entries_.emplace(e.id, std::string(e.text));
}

bool StringTable::Add(int id, std::string text) {
    return entries_.emplace(id, std::move(text)).second;
}

const std::string* StringTable::Find(int id) const {
    const auto it = entries_.find(id);
    return it == entries_.end() ? nullptr : &it->second;
}

namespace {

// Replaces the escapes of a string-file text; nothing when it holds an unknown escape or ends
// with a lone backslash.
std::optional<std::string> Unescape(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\') {
            out += text[i];
            continue;
        }
        if (++i == text.size()) return std::nullopt;
        switch (text[i]) {
            case 'n':
                out += '\n';
                break;
            case 't':
                out += '\t';
                break;
            case '\\':
                out += '\\';
                break;
            default:
                return std::nullopt;
        }
    }
    return out;
}

}  // namespace

StringTable ParseStringTable(std::string_view contents, std::vector<StringFileProblem>* problems) {
    StringTable table;
    auto note = [&](int line, std::string reason) {
        if (problems) problems->push_back({line, std::move(reason)});
    };
    constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
    if (contents.substr(0, kByteOrderMark.size()) == kByteOrderMark)
        contents.remove_prefix(kByteOrderMark.size());
    int number = 0;
    while (!contents.empty()) {
        ++number;
        const std::size_t end = contents.find('\n');
        std::string_view line = contents.substr(0, end);
        contents.remove_prefix(end == std::string_view::npos ? contents.size() : end + 1);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (line.empty() || line.front() == '#') continue;

        const std::size_t tab = line.find('\t');
        if (tab == std::string_view::npos) {
            note(number, "no tab after the id");
            continue;
        }
        const std::string_view idText = line.substr(0, tab);
        int id = 0;
        const auto [last, error] =
            std::from_chars(idText.data(), idText.data() + idText.size(), id);
        if (idText.empty() || idText.front() == '-' || error != std::errc() ||
            last != idText.data() + idText.size()) {
            note(number, "the id is not a decimal number");
            continue;
        }
        std::optional<std::string> text = Unescape(line.substr(tab + 1));
        if (!text) {
            note(number, "unknown escape in the text");
            continue;
        }
        if (!table.Add(id, std::move(*text)))
            note(number, "id " + std::to_string(id) + " given twice");
    }
    return table;
}

std::optional<StringTable> ReadStringTableFile(const std::string& path,
                                               std::vector<StringFileProblem>* problems) {
    if (NotRegularFileKind(path)) return std::nullopt;
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) return std::nullopt;
    std::string contents;
    char buffer[4096];
    std::size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, file)) > 0) contents.append(buffer, n);
    const bool failed = std::ferror(file) != 0;
    std::fclose(file);
    if (failed) return std::nullopt;
    return ParseStringTable(contents, problems);
}

std::string FrenchStringFile(const std::string& programFolder, std::string_view libraryName) {
    return programFolder + "/" + std::string(libraryName) + std::string(kStringFileExtension);
}

bool SameConversions(std::string_view a, std::string_view b) {
    return FormatConversions(a) == FormatConversions(b);
}

namespace {

StringTable g_english;
StringTable g_french;
bool g_frenchLoaded = false;

}  // namespace

void SetEnglishStrings(std::span<const StringEntry> entries) {
    g_english = StringTable(entries);
}

bool LoadFrenchStrings(const std::string& path) {
    std::optional<StringTable> table = ReadStringTableFile(path);
    if (!table) {
        DropFrenchStrings();
        return false;
    }
    g_french = std::move(*table);
    g_frenchLoaded = true;
    return true;
}

void DropFrenchStrings() {
    g_french = StringTable();
    g_frenchLoaded = false;
}

bool FrenchStringsLoaded() {
    return g_frenchLoaded;
}
const StringTable& EnglishStrings() {
    return g_english;
}
const StringTable& FrenchStrings() {
    return g_french;
}

bool SetUpStrings(std::span<const StringEntry> english, Language language,
                  const std::string& programFolder, std::string_view libraryName) {
    SetEnglishStrings(english);
    if (language != Language::French) {
        DropFrenchStrings();
        return false;
    }
    return LoadFrenchStrings(FrenchStringFile(programFolder, libraryName));
}

std::string LoadResString(int id) {
    if (g_frenchLoaded)
        if (const std::string* text = g_french.Find(id)) return *text;
    if (const std::string* text = g_english.Find(id)) return *text;
    return std::string(kMissingString);
}
