#include "number_entry.h"

#include <cmath>

#include "frontend_strings.h"
#include "number_text.h"

namespace {

constexpr std::string_view kBlanks = " \t\r\n\f\v";

}  // namespace

std::optional<double> ParseNumber(std::string_view text) {
    const std::optional<double> value = NumberFromText(text);
    if (!value || !std::isfinite(*value)) return std::nullopt;
    return value;
}

std::optional<Problem> NumberEntryProblem(std::string_view text) {
    if (ParseNumber(text)) return std::nullopt;
    return Problem{LoadResString(kStrEnterNumber)};
}

std::optional<Problem> RangeEntryProblem(std::string_view text, double value, double minimum,
                                         double maximum) {
    if (auto problem = NumberEntryProblem(text)) return problem;
    if (minimum <= value && value <= maximum) return std::nullopt;
    return Problem{FormatResString(kStrValueBetween, minimum, maximum)};
}

std::string TrimRight(std::string_view text) {
    const std::size_t last = text.find_last_not_of(kBlanks);
    return std::string(last == std::string_view::npos ? std::string_view()
                                                      : text.substr(0, last + 1));
}
