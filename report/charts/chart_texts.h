// The texts of the run charts, in English and in French.
#pragma once

#include <string>
#include <string_view>

#include "language.h"

enum class ChartText {
    MonthNumber,
    DailyTemperatureTitle,    // "%s": the temperature unit
    MonthlyTemperatureTitle,  // "%s": the temperature unit
    NumberOfDays,
    EnergyTitle,                // "%s": the energy unit
    DailyTemperaturesNotFound,  // "%d": the run id
    ResultsNotFound,
    TooManyPoints,
    CannotWriteChart,  // "%s": the file, "%s": the reason
};

// The text in `language`.
std::string_view ChartTextIn(ChartText text, Language language);

// `text` with its "%s" and "%d" fields filled in turn from `values`; a field without a value
// stays as it is.
std::string FillText(std::string_view text, std::initializer_list<std::string_view> values);
