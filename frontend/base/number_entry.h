// Numbers typed into edit fields: read in the C numeric format whatever the language (a "."
// decimal point), the whole text a number apart from surrounding blanks, so "12abc" is refused.
// The dialogs show the message these checks return and keep the focus in the field.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "problem.h"

// The finite number the whole of `text` spells; nothing for an empty text, trailing characters,
// a value beyond the range of a double, "inf" or "nan".
std::optional<double> ParseNumber(std::string_view text);

// Nothing when `text` is a number; else message 170 "Enter a number.".
[[nodiscard]] std::optional<Problem> NumberEntryProblem(std::string_view text);

// Nothing when `text` is a number and minimum <= value <= maximum; else message 170, or message
// 177 with the two bounds. `value` is the field's value in the units the user sees.
[[nodiscard]] std::optional<Problem> RangeEntryProblem(std::string_view text, double value,
                                                       double minimum, double maximum);

// `text` without its trailing white space (left-justified number formats pad with blanks).
std::string TrimRight(std::string_view text);
