// The front end's calendar of a 365-day year (no leap day), month names and the time of a run.
#pragma once

#include <cstdint>
#include <string>

#include "language.h"

// Days of month 1..12; 0 for any other month.
int DaysInMonthNoLeap(int month);
// Day of year of a date (1 January = 1, 31 December = 365); 0 when the month is outside 1..12
// or the day outside the month.
int DayOfYearNoLeap(int day, int month);
// The name of month 1..12 in `language`; empty for any other month.
std::string GetMonthName(int month, Language language);
// The name as a date within a sentence writes it: French names in lower case ("15 mai").
std::string DateMonthName(int month, Language language);

// The local time of `time` (seconds since 1970) as "%d %b %Y %H:%M" in `language`: "09 Dec
// 2026 14:30" in English, "09 décembre 2026 14:30" in French; empty when the time cannot be
// converted.
std::string FormatRunTime(std::int64_t time, Language language);
