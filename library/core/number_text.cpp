#include "number_text.h"

#include <charconv>
#include <cstdio>

std::string_view WithoutBlanks(std::string_view text) {
    constexpr std::string_view kBlanks = " \t\r\n\f\v";
    const std::size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

std::string NumberText(double value, NumberStyle style) {
    char text[400];  // the longest "%.*f" of a double, 309 digits before the point, fits
    if (style.decimals == kShortest)
        std::snprintf(text, sizeof text, "%.*g", style.digits, value);
    else
        std::snprintf(text, sizeof text, "%.*f", style.decimals, value);
    return text;
}

std::optional<double> NumberFromText(std::string_view text) {
    text = WithoutBlanks(text);
    // from_chars takes a leading "-" but not "+", which the C formatted input also accepts.
    if (text.size() > 1 && text.front() == '+' && text[1] != '-') text.remove_prefix(1);
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}
