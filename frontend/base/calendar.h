// The front end's calendar of a 365-day year (no leap day), month names and the time of a run.
#pragma once

#include <cstdint>
#include <string>

// Days of month 1..12; 0 for any other month.
int DaysInMonthNoLeap(int month);
// Day of year of a date (1 January = 1, 31 December = 365); 0 when the month is outside 1..12
// or the day outside the month.
int DayOfYearNoLeap(int day, int month);
// The name of month 1..12 in `language` (0 English, 1 French); empty for any other month.
std::string GetMonthName(int month, int language);

// The local time of `time` (seconds since 1970) as "%d %b %Y %H:%M" in `language`: "09 Dec
// 2026 14:30" in English (0), "09 décembre 2026 14:30" in French (1); empty when the time cannot
// be converted.
std::string FormatRunTime(std::int64_t time, int language);
