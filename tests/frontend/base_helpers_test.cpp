#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>

#include "calendar.h"
#include "display_units.h"
#include "frontend_test_support.h"
#include "month_masks.h"
#include "number_entry.h"
#include "scoped_environment.h"

namespace {

TEST(NumberEntry, TheWholeTextMustBeAFiniteNumberInEitherLanguage) {
    test::FrontEndMessages messages;
    for (bool french : {false, true}) {
        SCOPED_TRACE(french ? "French" : "English");
        if (french) {
            ASSERT_TRUE(LoadFrenchStrings(TIDEWARM_RESOURCES_DIR "/TidewarmFra.str"));
        }
        EXPECT_EQ(ParseNumber("12"), 12.0);
        EXPECT_EQ(ParseNumber("12.5"), 12.5);
        EXPECT_EQ(ParseNumber(" 12 "), 12.0);
        EXPECT_EQ(ParseNumber("+3e2"), 300.0);
        EXPECT_EQ(ParseNumber("12abc"), std::nullopt);
        EXPECT_EQ(ParseNumber("12,5"), std::nullopt);
        EXPECT_EQ(ParseNumber(""), std::nullopt);
        EXPECT_EQ(ParseNumber("  "), std::nullopt);
        EXPECT_EQ(ParseNumber("1e400"), std::nullopt);
        EXPECT_EQ(ParseNumber("nan"), std::nullopt);
        const std::optional<double> minusZero = ParseNumber("-0");
        ASSERT_TRUE(minusZero);
        EXPECT_EQ(*minusZero, 0.0);
        EXPECT_EQ(NumberEntryProblem("12"), std::nullopt);
        EXPECT_EQ(NumberEntryProblem("12abc"),
                  Problem{std::string(french ? "Entrez un nombre." : "Enter a number.")});
    }
    DropFrenchStrings();
}

TEST(NumberEntry, RangeIncludesItsBoundsAndNamesThemWhenRefused) {
    test::FrontEndMessages messages;
    EXPECT_EQ(RangeEntryProblem("50", 50, 50, 1e9), std::nullopt);
    EXPECT_EQ(RangeEntryProblem("1e9", 1e9, 50, 1e9), std::nullopt);
    EXPECT_EQ(RangeEntryProblem("49", 49, 50, 1e9),
              Problem{"Value should be between 50 and 1e+09."});
    EXPECT_EQ(RangeEntryProblem("", 60, 50, 1e9), Problem{"Enter a number."});
    EXPECT_EQ(TrimRight("12.5     "), "12.5");
    EXPECT_EQ(TrimRight("   "), "");
}

TEST(MonthMasks, JanuaryIsTheHighBitAndOnlyOneSetsAMonth) {
    std::array<int, 12> flags{};
    flags[0] = 1;
    EXPECT_EQ(PackMonthFlags(flags), 2048);
    flags = {0, 0, 0, 0, 0, 1, 2, -1, 0, 0, 0, 1};  // June and December
    EXPECT_EQ(PackMonthFlags(flags), 64 + 1);
    std::array<int, 12> all;
    all.fill(1);
    EXPECT_EQ(PackMonthFlags(all), 4095);
    EXPECT_EQ(UnpackMonthFlags(4095), all);
    EXPECT_EQ(UnpackMonthFlags(2048)[0], 1);
    EXPECT_EQ(PackMonthFlags(UnpackMonthFlags(2048)), 2048);
    EXPECT_EQ(UnpackMonthFlags(1)[11], 1);
    EXPECT_EQ(PackMonthFlags(UnpackMonthFlags(1)), 1);
    EXPECT_EQ(PackMonthFlags(UnpackMonthFlags(4096 + 64)), 64);  // bits above 11 ignored
}

TEST(Calendar, NoLeapYearDaysAndMonthNames) {
    EXPECT_EQ(DayOfYearNoLeap(29, 2), 0);
    EXPECT_EQ(DayOfYearNoLeap(28, 2), 59);
    EXPECT_EQ(DayOfYearNoLeap(1, 3), 60);
    EXPECT_EQ(DayOfYearNoLeap(31, 12), 365);
    EXPECT_EQ(DayOfYearNoLeap(0, 1), 0);
    EXPECT_EQ(DayOfYearNoLeap(1, 13), 0);
    EXPECT_EQ(DaysInMonthNoLeap(2), 28);
    EXPECT_EQ(DaysInMonthNoLeap(0), 0);
    EXPECT_EQ(GetMonthName(8, Language::French), "Août");
    EXPECT_EQ(GetMonthName(12, Language::English), "December");
    EXPECT_EQ(GetMonthName(13, Language::English), "");
}

TEST(Calendar, RunTimeInLocalTime) {
    test::ScopedEnvironment environment;
    environment.Set("TZ", "UTC");
    tzset();
    EXPECT_EQ(FormatRunTime(1'700'000'000, Language::English), "14 Nov 2023 22:13");
    EXPECT_EQ(FormatRunTime(1'700'000'000, Language::French), "14 novembre 2023 22:13");
    // Early in a month, early in an hour: two digits; the French months with accents.
    EXPECT_EQ(FormatRunTime(1'786'237'500, Language::English), "09 Aug 2026 01:05");
    EXPECT_EQ(FormatRunTime(1'786'237'500, Language::French), "09 août 2026 01:05");
    EXPECT_EQ(FormatRunTime(1'801'782'000, Language::French), "04 février 2027 23:00");
    environment.Set("TZ", "EST5EDT,M3.2.0,M11.1.0");  // no time-zone database needed
    tzset();
    EXPECT_EQ(FormatRunTime(1'700'000'000, Language::English), "14 Nov 2023 17:13");
    environment.Unset("TZ");
    tzset();
}

TEST(DisplayUnits, FactorsAgreeWithTheirDefinitions) {
    EXPECT_NEAR(kSquareMetresToSquareFeet, 1 / (0.3048 * 0.3048), 1e-12);
    EXPECT_NEAR(kKilogramsPerSecondToUsGpm, 60 / 3.785412, 1e-12);
    EXPECT_NEAR(kWattsToBtuPerHour, 3600 / 1054.35, 1e-6);
    EXPECT_NEAR(kGigajoulesToMBtu * kPerGigajouleToPerMBtu, 1, 1e-12);
    EXPECT_DOUBLE_EQ(CelsiusToFahrenheit(25), 77);
    EXPECT_DOUBLE_EQ(CelsiusToFahrenheit(-40), -40);
}

}  // namespace
