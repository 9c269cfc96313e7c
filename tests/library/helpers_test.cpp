#include "helpers.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "display_units.h"

namespace {

TEST(Calendar, DayOfYearEdges) {
    EXPECT_EQ(DayOfYear(3, 1, 0), 60);
    EXPECT_EQ(DayOfYear(3, 1, 1), 61);
    EXPECT_EQ(DayOfYear(2, 29, 0), 0);
    EXPECT_EQ(DayOfYear(2, 29, 1), 60);
    EXPECT_EQ(DayOfYear(12, 31, 0), 365);
    EXPECT_EQ(DayOfYear(1, 1, 0), 1);
    EXPECT_EQ(DayOfYear(0, 1, 0), 0);
    EXPECT_EQ(DayOfYear(13, 1, 0), 0);
    EXPECT_EQ(DayOfYear(4, 31, 0), 0);
    EXPECT_EQ(DayOfYear(4, 0, 0), 0);
}

TEST(Calendar, MonthAndDayOfADayOfYear) {
    EXPECT_EQ(MonthOfDay(365, 0), 12);
    EXPECT_EQ(DayOfMonth(365, 0), 31);
    EXPECT_EQ(MonthOfDay(366, 0), 0);
    EXPECT_EQ(DayOfMonth(366, 0), 0);
    EXPECT_EQ(MonthOfDay(366, 1), 12);
    EXPECT_EQ(DayOfMonth(366, 1), 31);
    EXPECT_EQ(MonthOfDay(0, 0), 1);
    EXPECT_EQ(DayOfMonth(0, 0), 0);
    EXPECT_EQ(MonthOfDay(-1, 0), 0);
    EXPECT_EQ(MonthOfDay(31, 0), 1);
    EXPECT_EQ(MonthOfDay(32, 0), 2);
    EXPECT_EQ(DayOfMonth(32, 0), 1);
    EXPECT_EQ(MonthOfDay(60, 1), 2);
    EXPECT_EQ(DayOfMonth(60, 1), 29);
    // Every day of the year goes there and back.
    for (int leap = 0; leap <= 1; ++leap)
        for (int d = 1; d <= 365 + leap; ++d)
            EXPECT_EQ(DayOfYear(MonthOfDay(d, leap), DayOfMonth(d, leap), leap), d);
}

TEST(Calendar, DaysInMonth) {
    EXPECT_EQ(DaysInMonth(2, 0), 28);
    EXPECT_EQ(DaysInMonth(2, 1), 29);
    EXPECT_EQ(DaysInMonth(0, 0), 0);
    EXPECT_EQ(DaysInMonth(13, 0), 0);
    int total = 0;
    for (int m = 1; m <= 12; ++m) total += DaysInMonth(m, 0);
    EXPECT_EQ(total, 365);
}

TEST(MonthAndDayNames, EnglishFrenchAndOutOfRange) {
    char name[16];
    EXPECT_STREQ(MonthName(9, name, Language::English), "September");
    EXPECT_STREQ(MonthName(9, name, Language::French), "Septembre");
    EXPECT_STREQ(MonthName(2, name, Language::French), "Février");
    EXPECT_STREQ(MonthName(8, name, Language::French), "Août");
    EXPECT_STREQ(MonthShortName(12, name, Language::French), "Déc");
    EXPECT_STREQ(MonthShortName(8, name, Language::French), "Aou");
    EXPECT_STREQ(MonthShortName(5, name, Language::English), "May");
    EXPECT_STREQ(MonthName(13, name, Language::English), "");
    EXPECT_STREQ(MonthName(0, name, Language::French), "");
    // The longest names fit the documented 10 bytes.
    for (Language language : {Language::English, Language::French})
        for (int m = 1; m <= 12; ++m)
            EXPECT_LT(std::string(MonthName(m, name, language)).size(), 10u);
    EXPECT_STREQ(WeekdayShortName(0), "Sun");
    EXPECT_STREQ(WeekdayShortName(6), "Sat");
    EXPECT_STREQ(WeekdayShortName(7), "");
    EXPECT_STREQ(WeekdayShortName(-1), "");
}

TEST(Units, TemperatureConversions) {
    EXPECT_NEAR(FahrenheitToCelsius(212), 100.0, 1e-12);
    EXPECT_NEAR(FahrenheitToCelsius(32), 0.0, 1e-12);
    EXPECT_DOUBLE_EQ(FahrenheitToCelsius(CelsiusToFahrenheit(-12.5)), -12.5);
    EXPECT_DOUBLE_EQ(KelvinToCelsius(273.15), 0.0);
    EXPECT_DOUBLE_EQ(CelsiusToKelvin(26.85), 300.0);
}

TEST(Units, RoundHalfUpAndMinMax) {
    EXPECT_EQ(RoundHalfUp(2.5), 3.0);
    EXPECT_EQ(RoundHalfUp(-2.5), -2.0);
    EXPECT_EQ(RoundHalfUp(-2.6), -3.0);
    EXPECT_EQ(RoundHalfUp(2.49), 2.0);
    EXPECT_EQ(MaxDouble(-1, 2), 2.0);
    EXPECT_EQ(MinDouble(-1, 2), -1.0);
}

TEST(Arrays, VectorsAndMatricesAreZeroedAndFreed) {
    double* v = AllocVector(5);
    ASSERT_NE(v, nullptr);
    for (int i = 0; i < 5; ++i) EXPECT_EQ(v[i], 0.0);
    FreeVector(&v);
    EXPECT_EQ(v, nullptr);
    FreeVector(&v);  // freeing twice does nothing
    EXPECT_EQ(AllocVector(0), nullptr);
    EXPECT_EQ(AllocVector(-3), nullptr);

    double** m = AllocMatrix(3, 4);
    ASSERT_NE(m, nullptr);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(m[i], m[0] + 4 * i);  // rows in one block
        for (int j = 0; j < 4; ++j) EXPECT_EQ(m[i][j], 0.0);
    }
    m[2][3] = 1;
    FreeMatrix(&m);
    EXPECT_EQ(m, nullptr);
    FreeMatrix(&m);
    EXPECT_EQ(AllocMatrix(0, 5), nullptr);
    EXPECT_EQ(AllocMatrix(5, -1), nullptr);
    EXPECT_EQ(AllocMatrix(1 << 20, 1 << 20), nullptr);  // too large for one block
}

TEST(SkipLine, DiscardsThroughTheNewlineAndCr) {
    std::istringstream in("1 2 rest\r\n3\nlast");
    int a, b, c;
    in >> a >> SkipLine >> b >> SkipLine;
    EXPECT_EQ(a, 1);
    EXPECT_EQ(b, 3);
    EXPECT_TRUE(in.good());
    std::string last;
    in >> last >> SkipLine;
    EXPECT_EQ(last, "last");
    EXPECT_TRUE(in.eof());
    (void)c;
}

}  // namespace
