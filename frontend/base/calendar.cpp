#include "calendar.h"

#include <cstdio>
#include <ctime>

#include "helpers.h"

namespace {
constexpr int kNoLeap = 0;
}

int DaysInMonthNoLeap(int month) {
    return DaysInMonth(month, kNoLeap);
}

int DayOfYearNoLeap(int day, int month) {
    return DayOfYear(month, day, kNoLeap);
}

std::string GetMonthName(int month, Language language) {
    char name[16];
    return MonthName(month, name, language);
}

std::string DateMonthName(int month, Language language) {
    char name[16];
    return MonthNameInDate(month, name, language);
}

std::string FormatRunTime(std::int64_t time, Language language) {
    const std::time_t seconds = static_cast<std::time_t>(time);
    std::tm local{};
    if (!localtime_r(&seconds, &local)) return "";
    // The month from the program's own names, whatever the system's locale: "Dec" as the C
    // locale abbreviates it, or the French name as a French date writes it.
    std::string month = DateMonthName(local.tm_mon + 1, language);
    if (language == Language::English) month.resize(3);
    char text[128];
    std::snprintf(text, sizeof text, "%02d %s %d %02d:%02d", local.tm_mday, month.c_str(),
                  local.tm_year + 1900, local.tm_hour, local.tm_min);
    return text;
}
