// The report's template: ordinary HTML in which fixed placeholder words ("Clients.Name") stand
// where the run's values go. Filling copies it line by line, each line end as it was, and
// replaces every placeholder word in one pass over the line: a value is never searched again,
// so a value that holds a placeholder word prints as it stands.
#pragma once

#include <iosfwd>
#include <map>
#include <string>
#include <string_view>

using PlaceholderValues = std::map<std::string, std::string, std::less<>>;

struct TemplateValues {
    // Each word replaced by its value wherever it stands.
    PlaceholderValues words;
    // A line holding one of these words becomes that value as a whole (its other text dropped,
    // its line end kept).
    PlaceholderValues lines;
};

// `line` with every word of `words` replaced; where two words start at the same place, the
// longer is taken.
std::string FillTemplateLine(std::string_view line, const PlaceholderValues& words);

// Copies `in` to `out` with the placeholders filled.
void FillTemplate(std::istream& in, std::ostream& out, const TemplateValues& values);
