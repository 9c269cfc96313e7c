#include "report_template.h"

#include <istream>
#include <ostream>

namespace {

// The longest word of `words` that `line` holds at `at`; null when none. Only the words that
// start with the character at `at` are tried (an empty word never matches).
const PlaceholderValues::value_type* WordAt(std::string_view line, std::size_t at,
                                            const PlaceholderValues& words) {
    const PlaceholderValues::value_type* found = nullptr;
    for (auto entry = words.lower_bound(line.substr(at, 1));
         entry != words.end() && entry->first.front() == line[at]; ++entry) {
        if (line.compare(at, entry->first.size(), entry->first) == 0 &&
            (!found || entry->first.size() > found->first.size()))
            found = &*entry;
    }
    return found;
}

// The first word of `words` that `line` holds; null when none.
const PlaceholderValues::value_type* FirstWordIn(std::string_view line,
                                                 const PlaceholderValues& words) {
    for (const auto& entry : words) {
        if (!entry.first.empty() && line.find(entry.first) != std::string_view::npos) return &entry;
    }
    return nullptr;
}

// The line end that `line` (read up to its "\n") ends with: "\r" of a CR LF, else nothing.
std::string_view CarriageReturn(std::string_view line) {
    return line.ends_with('\r') ? "\r" : "";
}

}  // namespace

std::string FillTemplateLine(std::string_view line, const PlaceholderValues& words) {
    std::string filled;
    filled.reserve(line.size());
    std::size_t at = 0;
    while (at < line.size()) {
        if (const auto* word = WordAt(line, at, words)) {
            filled += word->second;
            at += word->first.size();
        } else {
            filled += line[at++];
        }
    }
    return filled;
}

void FillTemplate(std::istream& in, std::ostream& out, const TemplateValues& values) {
    std::string line;
    while (std::getline(in, line)) {
        if (const auto* whole = FirstWordIn(line, values.lines)) {
            out << whole->second << CarriageReturn(line);
        } else {
            out << FillTemplateLine(line, values.words);
        }
        if (!in.eof()) out << '\n';
    }
}
