#include "number_entry.h"

#include <charconv>
#include <cmath>

#include "frontend_strings.h"

namespace {

constexpr std::string_view kBlanks = " \t\r\n\f\v";

std::string_view Trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

}  // namespace

std::optional<double> ParseNumber(std::string_view text) {
    text = Trimmed(text);
    // from_chars takes a leading "-" but not "+", which the C formatted input also accepts.
    if (text.size() > 1 && text.front() == '+' && text[1] != '-') text.remove_prefix(1);
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() ||
        !std::isfinite(value))
        return std::nullopt;
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
