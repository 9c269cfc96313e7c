#include "calendar.h"

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

std::string GetMonthName(int month, int language) {
    char name[16];
    return MonthName(month, name, language);
}

std::string FormatRunTime(std::int64_t time) {
    const std::time_t seconds = static_cast<std::time_t>(time);
    std::tm local{};
    if (!localtime_r(&seconds, &local)) return "";
    char text[128];
    const std::size_t length = std::strftime(text, sizeof text, "%d %b %Y %H:%M", &local);
    return std::string(text, length);
}
