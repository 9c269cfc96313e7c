// The words the report prints for a run's coded values, in English or French. A code outside
// its table prints as an empty text.
#pragma once

#include <string>
#include <string_view>

#include "heater_kind.h"
#include "language.h"

// Pool type 0 residential inground, 1 above ground, 2 public outdoor, 3 public indoor.
std::string_view PoolTypeName(int poolType, Language language);
// Compass point of the whole part of `orientation`: 0 West, 4 South, 8 East, 12 North.
std::string_view OrientationName(double orientation, Language language);
// What a heater's efficiency figure is: a fuel-fired heater's an efficiency, a heat pump's a COP.
std::string_view EfficiencyTypeName(HeaterKind kind, Language language);
// Activity level 0 low, 1 medium, 2 high.
std::string_view ActivityLevelName(int level, Language language);

// What the report prints for an economic result that was never computed.
std::string_view NotComputedText(Language language);
// What the report prints, as the economics dialog shows it, for a payback that never comes.
std::string_view NotAvailableText(Language language);

// Twelve characters, January first: the month's letter of "JFMAMJJASOND" when `mask` (a month
// mask, January in bit 11) sets the month, else "-".
std::string MonthLetters(int mask);

// The day the pool opens or closes: "June 01" in English, "01 juin" in French; an empty month
// name for a month outside 1..12.
std::string SeasonDate(int month, int day, Language language);
