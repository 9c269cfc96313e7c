// Calendar of a year without leap day (a leap flag selects the other table), month names in
// English and French, weekday abbreviations, temperature conversions, rounding, zeroed vectors and
// matrices of doubles from the C heap, and the stream manipulator that ends a parameter line.
#pragma once

#include <istream>

#include "language.h"
#include "physical_constants.h"

// Days of the simulated year (no leap day).
inline constexpr int kDaysPerYear = 365;

// Day of year of a date; 0 when the month is outside 1..12 or the day outside the month.
int DayOfYear(int month, int day, int leap);
// Day of month and month of a day of year; 0 when the day is negative or past the year's end.
// Day 0 passes the test and gives month 1, day 0.
int DayOfMonth(int dayOfYear, int leap);
int MonthOfDay(int dayOfYear, int leap);
// Days of a month; 0 when the month is outside 1..12.
int DaysInMonth(int month, int leap);

// Copy the month's full or short name (UTF-8) into `destination` and return it; months outside
// 1..12 give the empty text. The destination must hold 10 bytes.
char* MonthName(int month, char* destination, Language language);
char* MonthShortName(int month, char* destination, Language language);
// The full name as a date within a sentence writes it: French names in lower case ("15 mai").
char* MonthNameInDate(int month, char* destination, Language language);
// The weekday's abbreviation as the C library's standard time text writes it, in English
// whatever the locale: "Sun" for 0 to "Sat" for 6; other numbers give the empty text.
const char* WeekdayShortName(int weekday);

// Inline: the models convert every temperature they read, many times an hour.
inline double KelvinToCelsius(double k) {
    return k - kZeroCelsius;
}
inline double CelsiusToKelvin(double c) {
    return c + kZeroCelsius;
}

// floor(x), plus 1 when the fraction is 0.5 or more.
double RoundHalfUp(double x);
double MaxDouble(double a, double b);
double MinDouble(double a, double b);

// n zeroed doubles from the C heap; null when n <= 0 or memory is exhausted.
double* AllocVector(int n);
void FreeVector(double** vector);
// rows x columns zeroed doubles in one block, reached through an array of row pointers;
// null when a count is <= 0 or memory is exhausted (then nothing stays allocated).
double** AllocMatrix(int rows, int columns);
void FreeMatrix(double*** matrix);

// Discards characters up to and including the next newline (a CR before it goes too), or to
// the end of the stream.
std::istream& SkipLine(std::istream& in);
