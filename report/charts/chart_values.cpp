// Colours, the no-value marker and label formats of the chart layer.
#include "chart_values.h"

#include <cmath>

#include "number_text.h"

namespace {

constexpr std::string_view kValueField = "{value";

}  // namespace

bool IsNoValue(double value) {
    return !(std::abs(value) < kNoValue);
}

std::string FormatLabel(std::string_view format, double value) {
    std::string label;
    std::size_t at = 0;
    while (at < format.size()) {
        const std::size_t field = format.find(kValueField, at);
        const std::size_t end =
            field == std::string_view::npos ? field : format.find('}', field + kValueField.size());
        if (end == std::string_view::npos) break;
        label.append(format.substr(at, field - at));
        std::string_view options =
            format.substr(field + kValueField.size(), end - field - kValueField.size());
        int decimals = kShortest;
        if (options.size() >= 2 && options[0] == '|' && options.size() <= 3) {
            const std::string digits(options.substr(1));
            if (digits.find_first_not_of("0123456789") == std::string::npos)
                decimals = std::stoi(digits);
        }
        label += NumberText(value, {decimals});
        at = end + 1;
    }
    label.append(format.substr(std::min(at, format.size())));
    return label;
}
