#include "helpers.h"

#include <cctype>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <limits>

#include "physical_constants.h"

namespace {

constexpr int kMonthDays[2][13] = {
    {0, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31},
    {0, 31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31},
};

constexpr const char* kFullNames[2][13] = {
    {"", "January", "February", "March", "April", "May", "June", "July", "August", "September",
     "October", "November", "December"},
    {"", "Janvier", "Février", "Mars", "Avril", "Mai", "Juin", "Juillet", "Août", "Septembre",
     "Octobre", "Novembre", "Décembre"},
};

constexpr const char* kShortNames[2][13] = {
    {"", "Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"},
    {"", "Jan", "Fév", "Mar", "Avr", "Mai", "Jun", "Jul", "Aou", "Sep", "Oct", "Nov", "Déc"},
};

constexpr const char* kWeekdayShortNames[7] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};

const int* Table(int leap) {
    return kMonthDays[leap ? 1 : 0];
}

// Walks the months from January; returns the month and leaves the day of month in `day`.
int SplitDayOfYear(int dayOfYear, int leap, int& day) {
    day = 0;
    if (dayOfYear < 0 || dayOfYear > 365 + (leap ? 1 : 0)) return 0;
    const int* days = Table(leap);
    int month = 1;
    day = dayOfYear;
    while (month < 12 && days[month] < day) day -= days[month++];
    return month;
}

char* CopyName(const char* const (&names)[2][13], int month, char* destination, Language language) {
    const char* name = month >= 1 && month <= 12 ? names[LanguageIndex(language)][month] : "";
    return std::strcpy(destination, name);
}

}  // namespace

int DaysInMonth(int month, int leap) {
    return month >= 1 && month <= 12 ? Table(leap)[month] : 0;
}

int DayOfYear(int month, int day, int leap) {
    if (day <= 0 || day > DaysInMonth(month, leap)) return 0;
    for (int m = 1; m < month; ++m) day += Table(leap)[m];
    return day;
}

int DayOfMonth(int dayOfYear, int leap) {
    int day;
    return SplitDayOfYear(dayOfYear, leap, day) ? day : 0;
}

int MonthOfDay(int dayOfYear, int leap) {
    int day;
    return SplitDayOfYear(dayOfYear, leap, day);
}

char* MonthName(int month, char* destination, Language language) {
    return CopyName(kFullNames, month, destination, language);
}

char* MonthShortName(int month, char* destination, Language language) {
    return CopyName(kShortNames, month, destination, language);
}

char* MonthNameInDate(int month, char* destination, Language language) {
    MonthName(month, destination, language);
    // Every French name begins with an ASCII capital.
    if (language == Language::French)
        destination[0] =
            static_cast<char>(std::tolower(static_cast<unsigned char>(destination[0])));
    return destination;
}

const char* WeekdayShortName(int weekday) {
    return weekday >= 0 && weekday <= 6 ? kWeekdayShortNames[weekday] : "";
}

double RoundHalfUp(double x) {
    const double f = std::floor(x);
    return x - f >= 0.5 ? f + 1.0 : f;
}

double MaxDouble(double a, double b) {
    return a > b ? a : b;
}
double MinDouble(double a, double b) {
    return a < b ? a : b;
}

double* AllocVector(int n) {
    if (n <= 0) return nullptr;
    auto* v = static_cast<double*>(std::malloc(sizeof(double) * static_cast<std::size_t>(n)));
    if (v != nullptr)
        for (int i = 0; i < n; ++i) v[i] = 0.0;
    return v;
}

void FreeVector(double** vector) {
    if (vector == nullptr) return;
    std::free(*vector);
    *vector = nullptr;
}

double** AllocMatrix(int rows, int columns) {
    if (rows <= 0 || columns <= 0) return nullptr;
    const auto r = static_cast<std::size_t>(rows);
    const auto c = static_cast<std::size_t>(columns);
    if (c > static_cast<std::size_t>(std::numeric_limits<int>::max()) / r) return nullptr;
    auto** m = static_cast<double**>(std::malloc(sizeof(double*) * r));
    if (m == nullptr) return nullptr;
    m[0] = AllocVector(rows * columns);
    if (m[0] == nullptr) {
        std::free(m);
        return nullptr;
    }
    for (std::size_t i = 1; i < r; ++i) m[i] = m[0] + i * c;
    return m;
}

void FreeMatrix(double*** matrix) {
    if (matrix == nullptr || *matrix == nullptr) return;
    std::free((*matrix)[0]);
    std::free(*matrix);
    *matrix = nullptr;
}

std::istream& SkipLine(std::istream& in) {
    return in.ignore(std::numeric_limits<std::streamsize>::max(), '\n');
}
